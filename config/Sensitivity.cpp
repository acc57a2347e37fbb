#include "config/Sensitivity.h"

#include <algorithm>

namespace {

constexpr SensitivityGeneration kHundredStepGeneration = 0x710;
constexpr std::size_t kEditTextLimit = 9;
constexpr int kRoundedDisplayFrom = 1000;

bool HundredStep(SensitivityGeneration generation) {
  return generation >= kHundredStepGeneration;
}

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == 0xA0 || c == 0x202F; }

bool IsGroupSeparator(wchar_t c) { return c == L',' || c == L'\'' || IsBlank(c); }

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

std::wstring_view TrimBlanks(std::wstring_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

SensitivityRegisters SensitivityRegistersOf(int profile) {
  if (profile == 0) return {0x00, {0x01, 0x02}, {0x122D, 0x122E}};
  const int level = 0x1212 + 9 * (profile - 1);
  return {level, {level + 1, level + 2}, {level + 5, level + 6}};
}

int SensitivityStep(SensitivityGeneration generation) { return HundredStep(generation) ? 100 : 125; }

int HighestSensitivityIndex(SensitivityGeneration generation) {
  return HundredStep(generation) ? 40 : 32;
}

std::uint8_t EncodeSensitivity(SensitivityGeneration generation, SensitivityGroup group, int index) {
  const int n = std::clamp(index, 1, HighestSensitivityIndex(generation));
  if (HundredStep(generation)) return static_cast<std::uint8_t>(n - 1);
  if (group == SensitivityGroup::First) return static_cast<std::uint8_t>(8 * (n - 1) + 5);
  return static_cast<std::uint8_t>(0x40 + (n - 1));
}

int DecodeSensitivity(SensitivityGeneration generation, SensitivityGroup group, std::uint8_t value) {
  if (HundredStep(generation)) return std::min((value & 0x3F) + 1, 40);
  if (group == SensitivityGroup::First) return ((value >> 3) & 0x1F) + 1;
  return (value & 0x1F) + 1;
}

std::array<std::uint8_t, 4> FactorySensitivityValues(SensitivityGeneration generation) {
  if (HundredStep(generation)) return {0x0B, 0x27, 0x0B, 0x27};
  return {0x4D, 0xFD, 0x49, 0x5F};
}

bool SensitivitySwapFlag(std::uint8_t optionValue) { return (optionValue & 0x40) != 0; }

SensitivityGroup GroupOfAxis(SensitivityAxis axis, bool swapped) {
  const bool first = (axis == SensitivityAxis::X) != swapped;
  return first ? SensitivityGroup::First : SensitivityGroup::Second;
}

SensitivityTarget SensitivityTargetOf(int profile, bool swapped, SensitivityAxis axis, int level) {
  const SensitivityRegisters regs = SensitivityRegistersOf(profile);
  const SensitivityGroup group = GroupOfAxis(axis, swapped);
  const auto& pair = group == SensitivityGroup::First ? regs.first : regs.second;
  return {pair[level == 0 ? 0 : 1], group};
}

std::optional<int> ActiveSensitivityLevel(std::uint8_t levelValue) {
  const int level = levelValue & 0x0F;
  if (level > 1) return std::nullopt;
  return level;
}

std::uint8_t LevelRegisterValue(std::uint8_t cached, int level) {
  return static_cast<std::uint8_t>((level & 0x0F) + (cached & 0xF0));
}

SensitivityIndex IndexFromValue(int value, int step) {
  if (value < 0) return {0, L"0"};
  const int index = value / step;
  if (value >= kRoundedDisplayFrom && value % step != 0) {
    return {index, std::to_wstring(index * step)};
  }
  return {index, std::nullopt};
}

std::optional<int> ReadIntegerText(std::wstring_view text) {
  text = TrimBlanks(text.substr(0, kEditTextLimit));
  if (text.empty()) return 0;
  bool negative = false;
  if (text.front() == L'+' || text.front() == L'-') {
    negative = text.front() == L'-';
    text.remove_prefix(1);
  }
  if (text.empty() || !IsDigit(text.front()) || !IsDigit(text.back())) return std::nullopt;
  int value = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const wchar_t c = text[i];
    if (IsDigit(c)) {
      value = value * 10 + (c - L'0');  // nine characters cannot overflow
    } else if (!IsGroupSeparator(c) || !IsDigit(text[i + 1]) || !IsDigit(text[i - 1])) {
      return std::nullopt;
    }
  }
  return negative ? -value : value;
}

SensitivityEditResult ReadSensitivityEdit(std::wstring_view text, SensitivityGeneration generation) {
  const std::optional<int> value = ReadIntegerText(text);
  if (!value || *value > kHighestSensitivity) return {true, {0, std::nullopt}};
  return {false, IndexFromValue(*value, SensitivityStep(generation))};
}
