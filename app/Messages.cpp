#include "app/Messages.h"

#include "app/FormIds.h"
#include "editions/Edition.h"

std::optional<std::wstring> ComposeMessage(int number, const wchar_t* suffix) {
  const wchar_t* text = MessageText(number);
  if (text == nullptr) return std::nullopt;
  std::wstring message = text;
  if (suffix != nullptr) message += suffix;
  return message;
}

std::wstring StartWithFileText() {
  return std::wstring(Text(IDS_UNABLE_TO_OPEN_FILE)) + L"\n\n" + Text(IDS_OPEN_APP_TO_IMPORT);
}

SkinnedNotice StartWithFileNotice() {
  return {box_kind::kStartWithFile, Text(IDS_UNABLE_TO_OPEN_FILE), Text(IDS_OPEN_APP_TO_IMPORT)};
}
