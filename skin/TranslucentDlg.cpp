#include "skin/TranslucentDlg.h"

#include <windowsx.h>

#include "skin/Pictures.h"

namespace {

constexpr int kAppIcon = 150;

}  // namespace

BOOL CTranslucentDlg::OnInitDialog() {
  SetWindowTextW(Window(), L"Generic Transluent Diloag");
  layout_.RelayoutAt96Dpi(Window(), GetModuleHandleW(nullptr), TemplateId());
  HICON icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kAppIcon),
                                             IMAGE_ICON, 16, 16, LR_SHARED));
  SendMessageW(Window(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  SetWindowLongPtrW(Window(), GWL_EXSTYLE, GetWindowLongPtrW(Window(), GWL_EXSTYLE) | WS_EX_LAYERED);
  SetLayeredWindowAttributes(Window(), 0, kAlpha, LWA_ALPHA);
  if (backgroundId_ != 0) {
    SetBackground(backgroundId_);
    ShowWindow(Window(), SW_SHOW);
  }
  return TRUE;
}

void CTranslucentDlg::SetBackground(int pictureId) {
  if (Window() == nullptr || pictureId == 0) return;
  backgroundId_ = pictureId;
  picture_ = LoadPicture(pictureId);
  pictureSize_ = PictureSize(picture_.Get());
  if (fit_ && picture_) {
    RECT rect;
    GetWindowRect(Window(), &rect);
    const int cx = (rect.left + rect.right) / 2;
    const int cy = (rect.top + rect.bottom) / 2;
    SetWindowPos(Window(), nullptr, cx - pictureSize_.cx / 2, cy - pictureSize_.cy / 2,
                 pictureSize_.cx, pictureSize_.cy, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  // The window owns the region once it is set; a missing picture leaves
  // the window rectangular.
  CRegion region = RegionFromPicture(pictureId);
  SetWindowRgn(Window(), region.Release(), TRUE);
  InvalidateRect(Window(), nullptr, TRUE);
}

INT_PTR CTranslucentDlg::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      if (picture_) {
        CMemoryDC source(reinterpret_cast<HDC>(wParam), picture_.Get());
        BitBlt(reinterpret_cast<HDC>(wParam), 0, 0, pictureSize_.cx, pictureSize_.cy, source.Get(),
               0, 0, SRCCOPY);
        SetResult(1);
        return TRUE;
      }
      break;
    case WM_DESTROY:
      layout_.Restore();
      break;
    case WM_NCHITTEST: {
      POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      ScreenToClient(Window(), &at);
      SetResult(at.y < dragHeight_ ? HTCAPTION : HTCLIENT);
      return TRUE;
    }
    default:
      break;
  }
  return CBaseDialog::HandleMessage(message, wParam, lParam);
}
