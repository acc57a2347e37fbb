#include "skin/HoverButtonEx.h"

#include <commctrl.h>

#include "skin/ButtonStates.h"
#include "skin/Pictures.h"

CHoverButtonEx::~CHoverButtonEx() {
  if (window_ != nullptr && IsWindow(window_)) RemoveWindowSubclass(window_, &Procedure, 1);
}

bool CHoverButtonEx::Attach(HWND dialog, int id) {
  window_ = GetDlgItem(dialog, id);
  return window_ != nullptr &&
         SetWindowSubclass(window_, &Procedure, 1, reinterpret_cast<DWORD_PTR>(this));
}

bool CHoverButtonEx::SetBitmap(int pictureId, bool stacked) {
  picture_ = LoadPicture(pictureId);
  if (!picture_ || window_ == nullptr) return false;
  const SIZE strip = PictureSize(picture_.Get());
  const SSize state = StateImageSize({strip.cx, strip.cy}, stacked);
  state_ = SIZE{state.width, state.height};
  stacked_ = stacked;
  SetWindowPos(window_, nullptr, 0, 0, state_.cx, state_.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(window_, nullptr, FALSE);
  return true;
}

void CHoverButtonEx::ClearHover() { hover_.Clear(window_); }

bool CHoverButtonEx::Pressed() const {
  return (SendMessageW(window_, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
}

int CHoverButtonEx::StateImage() const {
  return HoverButtonState(Pressed(), hover_.Hover(), IsWindowEnabled(window_) != FALSE);
}

void CHoverButtonEx::Draw(HDC dc, const RECT& rect, int state) {
  CMemoryDC source(dc, picture_.Get());
  const int x = stacked_ ? 0 : state * state_.cx;
  const int y = stacked_ ? state * state_.cy : 0;
  SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
             source.Get(), x, y, state_.cx, state_.cy, SRCCOPY);
}

// Drawn off screen and copied in one block, so a state change never flickers.
void CHoverButtonEx::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window_, &ps);
  RECT rect;
  GetClientRect(window_, &rect);
  CBitmap surface(CreateCompatibleBitmap(dc, rect.right, rect.bottom));
  {
    CMemoryDC memory(dc, surface.Get());
    Draw(memory.Get(), rect, StateImage());
    BitBlt(dc, 0, 0, rect.right, rect.bottom, memory.Get(), 0, 0, SRCCOPY);
  }
  EndPaint(window_, &ps);
}

LRESULT CHoverButtonEx::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!picture_) return DefSubclassProc(window_, message, wParam, lParam);
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_MOUSEMOVE:
      hover_.OnMouseMove(window_);
      break;
    case WM_MOUSEHOVER:
      hover_.OnHover(window_);
      return 0;
    case WM_MOUSELEAVE:
      hover_.Clear(window_);
      return 0;
    case BM_SETSTATE:
    case WM_ENABLE: {
      const LRESULT result = DefSubclassProc(window_, message, wParam, lParam);
      InvalidateRect(window_, nullptr, FALSE);
      return result;
    }
    default:
      break;
  }
  return DefSubclassProc(window_, message, wParam, lParam);
}

LRESULT CALLBACK CHoverButtonEx::Procedure(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam, UINT_PTR, DWORD_PTR self) {
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(window, &Procedure, 1);
    reinterpret_cast<CHoverButtonEx*>(self)->window_ = nullptr;
    return DefSubclassProc(window, message, wParam, lParam);
  }
  return reinterpret_cast<CHoverButtonEx*>(self)->Handle(message, wParam, lParam);
}
