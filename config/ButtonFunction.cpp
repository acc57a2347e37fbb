#include "config/ButtonFunction.h"

#include "config/RegisterMap.h"
#include "editions/Edition.h"

namespace {

constexpr std::uint8_t kMouseButtonCode = 1;
constexpr std::uint8_t kKeyCombinationCode = 2;
constexpr std::uint8_t kConsumerCode = 3;
constexpr int kFirstScriptEntry = 7;
constexpr int kLastScriptEntry = 12;
constexpr int kFirstConsumerEntry = 26;
constexpr int kLastConsumerEntry = 36;
constexpr int kMouseButtonEntries = 5;

TextId FunctionText(int entry) { return static_cast<TextId>(IDS_FUNC_00 + entry); }

std::array<ButtonFunction, kButtonFunctionCount> BuildTable() {
  constexpr ButtonEncoding kEncodings[kButtonFunctionCount] = {
      {1, {0x01, 0, 0, 0}},    {1, {0x02, 0, 0, 0}},    {1, {0x04, 0, 0, 0}},
      {1, {0x08, 0, 0, 0}},    {1, {0x10, 0, 0, 0}},    {2, {0, 0, 0, 0}},
      {6, {0, 0, 0, 0}},       {7, {0, 0, 0, 0}},       {8, {0, 0, 0, 0}},
      {9, {0, 0, 0, 0}},       {10, {0, 0, 0, 0}},      {11, {0, 0, 0, 0}},
      {12, {0, 0, 0, 0}},      {17, {0, 0, 0, 0}},      {18, {0, 0, 0, 0}},
      {29, {0, 0, 0, 0}},      {30, {0, 0, 0, 0}},      {23, {0, 0, 0, 0}},
      {25, {0, 0, 0, 0}},      {26, {0, 0, 0, 0}},      {27, {0, 0, 0, 0}},
      {28, {0, 0, 0, 0}},      {15, {0, 0, 0, 0}},      {16, {0, 0, 0, 0}},
      {4, {0x01, 0x03, 0x20, 0x06}}, {5, {0x2C, 0x03, 0x03, 0x01}},
      {3, {0x23, 0x02, 0, 0}}, {3, {0x8A, 0x01, 0, 0}}, {3, {0x83, 0x01, 0, 0}},
      {3, {0xCD, 0x00, 0, 0}}, {3, {0xB7, 0x00, 0, 0}}, {3, {0xB5, 0x00, 0, 0}},
      {3, {0xB6, 0x00, 0, 0}}, {3, {0xE9, 0x00, 0, 0}}, {3, {0xEA, 0x00, 0, 0}},
      {3, {0xE2, 0x00, 0, 0}}, {3, {0x92, 0x01, 0, 0}}, {2, {0x08, 0x08, 0, 0}},
      {39, {0, 0, 0, 0}},
  };
  std::array<ButtonFunction, kButtonFunctionCount> table{};
  for (int e = 0; e < kButtonFunctionCount; ++e) table[e] = {FunctionText(e), kEncodings[e]};
  return table;
}

// The entry whose code alone names it, for codes other than 1, 2 and 3.
std::optional<int> EntryOfCode(std::uint8_t code) {
  const auto& table = ButtonFunctions();
  for (int e = kMacroEntry; e < kButtonFunctionCount; ++e) {
    const std::uint8_t c = table[e].encoding.code;
    if (c != kKeyCombinationCode && c != kConsumerCode && c == code) return e;
  }
  return std::nullopt;
}

std::optional<int> DecodeEntry(std::uint8_t code, std::uint8_t p0, std::uint8_t p1,
                               std::uint8_t p2, std::uint8_t p3) {
  const auto& table = ButtonFunctions();
  if (code == kMouseButtonCode) {
    for (int e = 0; e < kMouseButtonEntries; ++e) {
      if (table[e].encoding.parameters[0] == p0) return e;
    }
    return std::nullopt;
  }
  if (code == kKeyCombinationCode) {
    const bool myComputer = p0 == 0x08 && p1 == 0x08 && p2 == 0 && p3 == 0;
    return myComputer ? kMyComputerEntry : kKeyboardEntry;
  }
  if (code == kConsumerCode) {
    for (int e = kFirstConsumerEntry; e <= kLastConsumerEntry; ++e) {
      const auto& p = table[e].encoding.parameters;
      if (p[0] == p0 && p[1] == p1) return e;
    }
    return std::nullopt;
  }
  return EntryOfCode(code);
}

}  // namespace

const std::array<ButtonFunction, kButtonFunctionCount>& ButtonFunctions() {
  static const std::array<ButtonFunction, kButtonFunctionCount> table = BuildTable();
  return table;
}

ButtonMode ModeOfEntry(int entry) {
  if (entry == kKeyboardEntry) return ButtonMode::Keyboard;
  if (entry == kMacroEntry) return ButtonMode::Macro;
  if (entry >= kFirstScriptEntry && entry <= kLastScriptEntry) return ButtonMode::Script;
  return ButtonMode::Plain;
}

int ListItemCount(int group) { return group == 0 ? kButtonFunctionCount - 1 : kButtonFunctionCount; }

std::optional<int> EntryOfListIndex(int group, int listIndex) {
  if (group < 0 || group >= kButtonGroupCount) return std::nullopt;
  if (listIndex < 0 || listIndex >= ListItemCount(group)) return std::nullopt;
  return group == 0 && listIndex >= kMacroEntry ? listIndex + 1 : listIndex;
}

std::optional<int> ListIndexOfEntry(int group, int entry) {
  if (group < 0 || group >= kButtonGroupCount) return std::nullopt;
  if (entry < 0 || entry >= kButtonFunctionCount) return std::nullopt;
  if (group != 0) return entry;
  if (entry == kMacroEntry) return std::nullopt;
  return entry > kMacroEntry ? entry - 1 : entry;
}

std::wstring ListItemText(int entry) {
  if (entry < 0 || entry >= kButtonFunctionCount) return {};
  return std::wstring(L"  ") + Text(ButtonFunctions()[entry].text);
}

std::optional<ButtonEncoding> EncodeButtonFunction(int group, int listIndex) {
  const std::optional<int> entry = EntryOfListIndex(group, listIndex);
  if (!entry) return std::nullopt;
  return ButtonFunctions()[*entry].encoding;
}

int DecodeButtonFunction(int group, std::uint8_t code, std::uint8_t p0, std::uint8_t p1,
                         std::uint8_t p2, std::uint8_t p3) {
  const std::optional<int> entry = DecodeEntry(code, p0, p1, p2, p3);
  if (!entry) return -1;
  return ListIndexOfEntry(group, *entry).value_or(-1);
}

bool IsPlainKeyCombination(int entry) { return entry == kKeyboardEntry; }

bool ButtonChoiceMarksProfile(std::uint8_t code, bool codeChanged,
                              const std::array<bool, 4>& parameterChanged) {
  if (codeChanged) return true;
  if (code == kMouseButtonCode) return parameterChanged[0];
  if (code == kConsumerCode) return parameterChanged[0] || parameterChanged[1];
  return false;
}

std::span<const int> ControlsCoveredByList(int group) {
  static constexpr int kGroup0[] = {1053, 1047};
  static constexpr int kGroup1[] = {1052, 1046};
  static constexpr int kGroup2[] = {1006, 1007};
  static constexpr int kGroup3[] = {1051, 1045};
  static constexpr int kGroup4[] = {1054, 1048};
  static constexpr int kGroup5[] = {1008, 1009, 1002};
  switch (group) {
    case 0: return kGroup0;
    case 1: return kGroup1;
    case 2: return kGroup2;
    case 3: return kGroup3;
    case 4: return kGroup4;
    case 5: return kGroup5;
    default: return {};
  }
}
