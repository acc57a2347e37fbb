// The text set one edition supplies, and the rules that tie its fixed-size
// slot tables to the text ids.
//
// Most texts live in arrays of fixed-size wide-character slots; because every
// slot is a char array, a text that does not fit its slot (terminator
// included) is a compile error in the edition's table.
#pragma once

#include <array>

#include "editions/OpcodeNames.h"
#include "editions/TextId.h"

inline constexpr int kMessageSlots = 56;
inline constexpr int kMessageSlotChars = 80;
inline constexpr int kRevertQuestionSlots = 8;
inline constexpr int kScriptQuestionSlots = 6;
inline constexpr int kMacroQuestionSlots = 18;
inline constexpr int kQuestionSlotChars = 256;
inline constexpr int kFunctionNameSlots = 39;
inline constexpr int kFunctionNameChars = 60;
inline constexpr int kProfileNameSlots = 4;
inline constexpr int kProfileNameChars = 40;

// Message numbers of the ids shown through the message table; -1 for others.
constexpr int MessageNumberOf(TextId id) {
  switch (id) {
    case IDS_ALREADY_OPEN: return 0;
    case IDS_NO_MOUSE: return 1;
    case IDS_FILE_LOCATION: return 5;
    case IDS_BAD_FORMAT: return 6;
    case IDS_LOAD_CONFIG_FAILED: return 13;
    case IDS_SAVE_CONFIG_FAILED: return 15;
    case IDS_WRITE_FAILED: return 21;
    case IDS_PLEASE_WAIT: return 23;
    case IDS_BAD_PROFILE: return 33;
    case IDS_CANNOT_CONNECT: return 54;
    default: return -1;
  }
}

// True for the ids whose text lives in one of the slot tables.
constexpr bool IsSlotText(TextId id) {
  return MessageNumberOf(id) >= 0 || id == IDS_REVERT_QUESTION ||
         id == IDS_MACRO_CHANGE_QUESTION ||
         (id >= IDS_SCRIPT_CHANGE_QUESTION_1 && id <= IDS_SCRIPT_CHANGE_QUESTION_6) ||
         (id >= IDS_FUNC_00 && id <= IDS_FUNC_38) ||
         (id >= IDS_PROFILE_NAME_0 && id <= IDS_PROFILE_NAME_3);
}

constexpr int CountFreeTexts() {
  int n = 0;
  for (int id = 0; id < kTextIdCount; ++id) n += IsSlotText(TextId(id)) ? 0 : 1;
  return n;
}
inline constexpr int kFreeTextCount = CountFreeTexts();

struct FreeText {
  TextId id;
  const wchar_t* text;
};

struct EditionTexts {
  wchar_t messages[kMessageSlots][kMessageSlotChars];
  wchar_t revertQuestions[kRevertQuestionSlots][kQuestionSlotChars];
  wchar_t scriptQuestions[kScriptQuestionSlots][kQuestionSlotChars];
  wchar_t macroQuestions[kMacroQuestionSlots][kQuestionSlotChars];
  wchar_t functionNames[kFunctionNameSlots][kFunctionNameChars];
  wchar_t profileNames[kProfileNameSlots][kProfileNameChars];
  // Base names of the command list's rows, by opcode.
  OpcodeNameTable opcodeNames;
  // Texts without a slot table, one entry per such id in TextId order.
  std::array<FreeText, kFreeTextCount> free;
};

// True when `free` lists exactly the ids without a slot, in TextId order, so
// that lookup can index it directly.
constexpr bool FreeTextsInOrder(const EditionTexts& t) {
  int next = 0;
  for (int id = 0; id < kTextIdCount; ++id) {
    if (IsSlotText(TextId(id))) continue;
    if (t.free[next].id != id || t.free[next].text == nullptr) return false;
    ++next;
  }
  return next == kFreeTextCount;
}

extern const EditionTexts kTraditionalChineseTexts;
extern const EditionTexts kSimplifiedChineseTexts;
extern const EditionTexts kHungarianTexts;
