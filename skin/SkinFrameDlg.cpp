#include "skin/SkinFrameDlg.h"

#include "skin/Pictures.h"

BOOL CSkinFrameDlg::OnInitDialog() {
  SetWindowTextW(Window(), L"Generic BaseFrame Diloag");
  layout_.RelayoutAt96Dpi(Window(), GetModuleHandleW(nullptr), TemplateId());
  SetWindowLongPtrW(Window(), GWL_EXSTYLE, GetWindowLongPtrW(Window(), GWL_EXSTYLE) | WS_EX_LAYERED);
  SetLayeredWindowAttributes(Window(), kKeyColour, 0, LWA_COLORKEY);
  if (pictureId_ != 0) {
    CBitmap picture = LoadPicture(pictureId_);
    const SIZE size = PictureSize(picture.Get());
    if (size.cx > 0) {
      SetWindowPos(Window(), nullptr, 0, 0, size.cx, size.cy,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    CRegion region = RegionFromPicture(pictureId_);
    if (region) SetWindowRgn(Window(), region.Release(), TRUE);
  }
  ShowWindow(Window(), SW_SHOW);
  return TRUE;
}

void CSkinFrameDlg::FollowTo(POINT topLeft) {
  SetWindowPos(Window(), nullptr, topLeft.x, topLeft.y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CSkinFrameDlg::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CTLCOLORDLG) return reinterpret_cast<INT_PTR>(green_.Get());
  if (message == WM_DESTROY) layout_.Restore();
  return CBaseDialog::HandleMessage(message, wParam, lParam);
}
