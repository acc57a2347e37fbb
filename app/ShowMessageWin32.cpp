#include "app/ShowMessageWin32.h"

#include "app/Messages.h"
#include "editions/Edition.h"

void ShowMessage(HWND owner, int number, const wchar_t* suffix) {
  if (auto text = ComposeMessage(number, suffix)) ShowStandardBox(owner, text->c_str());
}

int ShowStandardBox(HWND owner, const wchar_t* text, UINT style) {
  return MessageBoxW(owner, text, Text(IDS_APP_TITLE), style);
}
