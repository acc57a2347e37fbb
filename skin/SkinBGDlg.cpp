#include "skin/SkinBGDlg.h"

namespace {

constexpr int kClosePicture = 183;

}  // namespace

BOOL CSkinBGDlg::OnInitDialog() {
  const BOOL result = CTranslucentDlg::OnInitDialog();
  close_.Attach(Window(), kCloseButton);
  close_.SetBitmap(kClosePicture);
  return result;
}

void CSkinBGDlg::LockTitleButtons(bool lock) { EnableWindow(Item(kCloseButton), !lock); }

void CSkinBGDlg::CloseBox() {
  close_.ClearHover();
  End(IDCANCEL);
}

void CSkinBGDlg::OnCommand(int id, int code, HWND control) {
  if (id == kCloseButton || id == IDCANCEL) {
    CloseBox();
    return;
  }
  CTranslucentDlg::OnCommand(id, code, control);
}
