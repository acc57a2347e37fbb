#include "editions/Edition.h"

const EditionTexts& TextsOf(EditionId edition) {
  switch (edition) {
    case EditionId::SimplifiedChinese: return kSimplifiedChineseTexts;
    case EditionId::Hungarian: return kHungarianTexts;
    case EditionId::TraditionalChinese: break;
  }
  return kTraditionalChineseTexts;
}

namespace {

int FreeIndexOf(TextId id) {
  int index = 0;
  for (int i = 0; i < id; ++i) index += IsSlotText(TextId(i)) ? 0 : 1;
  return index;
}

}  // namespace

const wchar_t* Text(TextId id) {
  const EditionTexts& t = TextsOf(CurrentEdition());
  if (id < 0 || id >= kTextIdCount) return L"";
  if (int number = MessageNumberOf(id); number >= 0) return t.messages[number];
  if (id == IDS_REVERT_QUESTION) return t.revertQuestions[0];
  if (id == IDS_MACRO_CHANGE_QUESTION) return t.macroQuestions[0];
  if (id >= IDS_SCRIPT_CHANGE_QUESTION_1 && id <= IDS_SCRIPT_CHANGE_QUESTION_6)
    return t.scriptQuestions[id - IDS_SCRIPT_CHANGE_QUESTION_1];
  if (id >= IDS_FUNC_00 && id <= IDS_FUNC_38) return t.functionNames[id - IDS_FUNC_00];
  if (id >= IDS_PROFILE_NAME_0 && id <= IDS_PROFILE_NAME_3)
    return t.profileNames[id - IDS_PROFILE_NAME_0];
  return t.free[FreeIndexOf(id)].text;
}

const wchar_t* MessageText(int number) {
  if (number < 0 || number >= kMessageSlots) return nullptr;
  return TextsOf(CurrentEdition()).messages[number];
}

const wchar_t* OpcodeName(int opcode) {
  if (opcode < 0 || opcode >= kOpcodeNameSlots) return L"";
  return TextsOf(CurrentEdition()).opcodeNames.names[opcode];
}
