// The kit's gallery: shows the frame on each page, the message box in
// each kind and the controls, one after the other, and keeps a screenshot of each in the
// working directory's artifacts/ folder. Not part of the installed program;
// the README's pictures come from it.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "editions/Edition.h"
#include "skin/MainFrameDlgEx.h"
#include "skin/MessagePump.h"
#include "skin/SkinDlgEx.h"
#include "skin/SkinIds.h"
#include "skin/gallery/GalleryControlsWin32.h"
#include "tests/support/WindowsTestSupportWin32.h"

namespace {

void ShowFramePages() {
  CMainFrameDlgEx frame;
  if (!frame.Create(nullptr)) return;
  for (int page = 151; page <= 154; ++page) {
    frame.SetBackground(page);
    Pump(400);
    SaveWindowScreenshot(frame.Window(), L"frame-" + std::to_wstring(page) + L".bmp");
  }
  frame.End(IDCANCEL);
}

std::wstring TextOfKind(int kind) {
  switch (kind) {
    case 343: return Text(IDS_MACRO_CHANGE_QUESTION);
    case 346: return Text(IDS_FILE_EXISTS);
    case 347: return Text(IDS_FACTORY_QUESTION);
    case 350: return Text(IDS_REVERT_QUESTION);
    case 353: return Text(IDS_OPEN_APP_TO_IMPORT);
    case 648: return Text(IDS_APPLY_QUESTION);
    default: return L"";
  }
}

void ShowBox(int kind, int progress) {
  CSkinDlgEx box;
  box.SetKind(kind);
  box.SetMessageText(TextOfKind(kind));
  box.SetFirstLine(Text(IDS_UNABLE_TO_OPEN_FILE));
  box.SetModeTexts({Text(IDS_PROFILE_NAME_0), Text(IDS_PROFILE_NAME_1), Text(IDS_PROFILE_NAME_2),
                    Text(IDS_PROFILE_NAME_3)});
  box.SetPath(L"C:\\Users\\Player\\Documents\\Mirel");
  box.SetName(L"Arena");
  box.SetRange(kind == 340 ? 8 : 113);
  if (!box.Create(nullptr)) return;
  Pump(200);
  SendMessageW(box.Window(), WM_BOX_PROGRESS, 1, progress);
  Pump(300);
  SaveWindowScreenshot(box.Window(), L"box-" + std::to_wstring(kind) + L".bmp");
  box.End(IDCANCEL);
  Pump(50);
}

void ShowControls() {
  CGalleryControls controls;
  Pump(400);
  SaveWindowScreenshot(controls.Window(), L"controls.bmp");
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  ShowFramePages();
  for (int kind = 339; kind <= 353; ++kind) ShowBox(kind, 57);
  ShowBox(648, 0);
  ShowControls();
  return 0;
}
