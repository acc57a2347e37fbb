#include "skin/ButtonST.h"

#include <commctrl.h>

#include "skin/Pictures.h"

namespace {

// Monochrome mask: 1 where the picture is see-through, where MaskBlt
// keeps what is under it.
CBitmap MaskOf(HBITMAP picture, SIZE size) {
  CBitmap mask(CreateBitmap(size.cx, size.cy, 1, 1, nullptr));
  HDC screen = GetDC(nullptr);
  {
    CMemoryDC source(screen, picture);
    CMemoryDC target(screen, mask.Get());
    SetBkColor(source.Get(), CButtonST::kTransparent);
    BitBlt(target.Get(), 0, 0, size.cx, size.cy, source.Get(), 0, 0, SRCCOPY);
  }
  ReleaseDC(nullptr, screen);
  return mask;
}

}  // namespace

CButtonST::~CButtonST() {
  if (window_ != nullptr && IsWindow(window_)) RemoveWindowSubclass(window_, &Procedure, 6);
}

bool CButtonST::Attach(HWND dialog, int id) {
  window_ = GetDlgItem(dialog, id);
  return window_ != nullptr &&
         SetWindowSubclass(window_, &Procedure, 6, reinterpret_cast<DWORD_PTR>(this));
}

bool CButtonST::SetPicture(int pictureId) {
  picture_ = LoadPicture(pictureId);
  size_ = PictureSize(picture_.Get());
  mask_ = picture_ ? MaskOf(picture_.Get(), size_) : CBitmap();
  if (window_ != nullptr) InvalidateRect(window_, nullptr, FALSE);
  return static_cast<bool>(picture_);
}

void CButtonST::SetColours(COLORREF normal, COLORREF hoverOrPressed, COLORREF focused) {
  normal_ = normal;
  hoverOrPressed_ = hoverOrPressed;
  focused_ = focused;
  if (window_ != nullptr) InvalidateRect(window_, nullptr, FALSE);
}

bool CButtonST::Pressed() const {
  return (SendMessageW(window_, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
}

void CButtonST::DrawBackground(HDC dc, const RECT& rect) {
  const COLORREF colour = hover_.Hover() || Pressed() ? hoverOrPressed_
                          : GetFocus() == window_ ? focused_
                                                  : normal_;
  CBrush brush(CreateSolidBrush(colour));
  FillRect(dc, &rect, brush.Get());
}

void CButtonST::DrawBorder(HDC dc, const RECT& rect) {
  const COLORREF light = GetSysColor(COLOR_BTNHILIGHT);
  const COLORREF dark = GetSysColor(COLOR_BTNSHADOW);
  const bool sunken = Pressed();
  RECT edge = rect;
  const int w = edge.right - edge.left, h = edge.bottom - edge.top;
  CBrush topLeft(CreateSolidBrush(sunken ? dark : light));
  CBrush bottomRight(CreateSolidBrush(sunken ? light : dark));
  RECT top{edge.left, edge.top, edge.left + w, edge.top + 1};
  RECT left{edge.left, edge.top, edge.left + 1, edge.top + h};
  RECT bottom{edge.left, edge.bottom - 1, edge.right, edge.bottom};
  RECT right{edge.right - 1, edge.top, edge.right, edge.bottom};
  FillRect(dc, &top, topLeft.Get());
  FillRect(dc, &left, topLeft.Get());
  FillRect(dc, &bottom, bottomRight.Get());
  FillRect(dc, &right, bottomRight.Get());
}

void CButtonST::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window_, &ps);
  RECT rect;
  GetClientRect(window_, &rect);
  CBitmap surface(CreateCompatibleBitmap(dc, rect.right, rect.bottom));
  {
    CMemoryDC memory(dc, surface.Get());
    DrawBackground(memory.Get(), rect);
    if (hover_.Hover() || Pressed()) DrawBorder(memory.Get(), rect);
    if (picture_) {
      const int shift = Pressed() ? 1 : 0;
      const int x = (rect.right - size_.cx) / 2 + shift;
      const int y = (rect.bottom - size_.cy) / 2 + shift;
      CMemoryDC source(dc, picture_.Get());
      MaskBlt(memory.Get(), x, y, size_.cx, size_.cy, source.Get(), 0, 0, mask_.Get(), 0, 0,
              MAKEROP4(0x00AA0029, SRCCOPY));
    }
    BitBlt(dc, 0, 0, rect.right, rect.bottom, memory.Get(), 0, 0, SRCCOPY);
  }
  EndPaint(window_, &ps);
}

LRESULT CButtonST::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  if (hover_.Handles(window_, message)) return 0;
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    // The button control would draw its own plain face at once.
    case WM_ENABLE:
      InvalidateRect(window_, nullptr, FALSE);
      return 0;
    case BM_SETSTATE: {
      const LRESULT result = DefSubclassProc(window_, message, wParam, lParam);
      InvalidateRect(window_, nullptr, FALSE);
      return result;
    }
    default:
      break;
  }
  return DefSubclassProc(window_, message, wParam, lParam);
}

LRESULT CALLBACK CButtonST::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR, DWORD_PTR self) {
  auto* button = reinterpret_cast<CButtonST*>(self);
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(window, &Procedure, 6);
    button->window_ = nullptr;
    return DefSubclassProc(window, message, wParam, lParam);
  }
  return button->Handle(message, wParam, lParam);
}
