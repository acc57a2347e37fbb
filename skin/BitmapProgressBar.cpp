#include "skin/BitmapProgressBar.h"

#include <commctrl.h>

#include "skin/Pictures.h"

CBitmapProgressBar::~CBitmapProgressBar() {
  if (window_ != nullptr && IsWindow(window_)) RemoveWindowSubclass(window_, &Procedure, 3);
}

bool CBitmapProgressBar::Attach(HWND dialog, int id) {
  window_ = GetDlgItem(dialog, id);
  return window_ != nullptr &&
         SetWindowSubclass(window_, &Procedure, 3, reinterpret_cast<DWORD_PTR>(this));
}

void CBitmapProgressBar::SetFrames(const std::vector<int>& pictureIds) {
  ids_ = pictureIds;
  frames_.SetFrames(static_cast<int>(ids_.size()));
  ShowWindow(window_, SW_HIDE);
  ShowFrame(0);
}

void CBitmapProgressBar::SetRange(int range) {
  frames_.SetRange(range);
  ShowFrame(0);
  ShowWindow(window_, SW_SHOW);
}

void CBitmapProgressBar::SetPos(int position) {
  if (const auto frame = frames_.SetPos(position)) ShowFrame(*frame);
}

void CBitmapProgressBar::ShowFrame(int frame) {
  if (frame < 0 || frame >= static_cast<int>(ids_.size())) return;
  picture_ = LoadPicture(ids_[frame]);
  const SIZE size = PictureSize(picture_.Get());
  if (window_ == nullptr) return;
  if (size.cx > 0) {
    SetWindowPos(window_, nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  InvalidateRect(window_, nullptr, FALSE);
}

void CBitmapProgressBar::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window_, &ps);
  if (picture_) {
    const SIZE size = PictureSize(picture_.Get());
    CMemoryDC source(dc, picture_.Get());
    TransparentBlt(dc, 0, 0, size.cx, size.cy, source.Get(), 0, 0, size.cx, size.cy,
                   RGB(0, 255, 0));
  }
  EndPaint(window_, &ps);
}

LRESULT CALLBACK CBitmapProgressBar::Procedure(HWND window, UINT message, WPARAM wParam,
                                               LPARAM lParam, UINT_PTR, DWORD_PTR self) {
  auto* bar = reinterpret_cast<CBitmapProgressBar*>(self);
  switch (message) {
    case WM_PAINT:
      bar->Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_NCDESTROY:
      RemoveWindowSubclass(window, &Procedure, 3);
      bar->window_ = nullptr;
      break;
    default:
      break;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}
