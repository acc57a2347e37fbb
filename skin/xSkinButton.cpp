#include "skin/xSkinButton.h"

#include "skin/OffScreenPaint.h"
#include "skin/Subclass.h"

#include <commctrl.h>

#include <string>

#include "skin/ButtonStates.h"
#include "skin/Pictures.h"

namespace {


std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

}  // namespace

CxSkinButton::~CxSkinButton() {
  Unsubclass<CxSkinButton, 8>(window_);
}

// Owner-draw, so the system never paints a push button over the pictures.
bool CxSkinButton::Attach(HWND dialog, int id) {
  window_ = GetDlgItem(dialog, id);
  if (window_ == nullptr) return false;
  const LONG_PTR style = GetWindowLongPtrW(window_, GWL_STYLE);
  SetWindowLongPtrW(window_, GWL_STYLE, (style & ~static_cast<LONG_PTR>(BS_TYPEMASK)) | BS_OWNERDRAW);
  return Subclass<CxSkinButton, 8>(window_, this);
}

bool CxSkinButton::SetLookPictures(int normal, int pressed, int hover, int disabled) {
  pictures_[kStateNormal] = LoadPicture(normal);
  pictures_[kStatePressed] = LoadPicture(pressed);
  pictures_[kStateHover] = LoadPicture(hover);
  pictures_[kStateDisabled] = LoadPicture(disabled != 0 ? disabled : normal);
  if (window_ == nullptr) return false;
  InvalidateRect(window_, nullptr, FALSE);
  if (!pictures_[kStateNormal]) return false;
  const SIZE size = PictureSize(pictures_[kStateNormal].Get());
  SetWindowPos(window_, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  CRegion shape = RegionFromPicture(normal);
  if (shape) SetWindowRgn(window_, shape.Release(), TRUE);
  return true;
}

int CxSkinButton::State() const {
  const bool pressed = (SendMessageW(window_, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
  return SkinButtonState(IsWindowEnabled(window_) != FALSE, pressed, checked_, hover_.Hover());
}

void CxSkinButton::DrawPicture(HDC dc, const RECT& rect, int state) {
  HBITMAP picture = pictures_[state].Get();
  if (picture == nullptr) {
    FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
    return;
  }
  CMemoryDC source(dc, picture);
  const SIZE size = PictureSize(picture);
  BitBlt(dc, 0, 0, size.cx, size.cy, source.Get(), 0, 0, SRCCOPY);
}

void CxSkinButton::DrawLabel(HDC dc, const RECT& rect, int state) {
  const std::wstring text = WindowText(window_);
  if (text.empty()) return;
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(window_, WM_GETFONT, 0, 0)));
  SetBkMode(dc, TRANSPARENT);
  RECT box = rect;
  if (state == kStatePressed) OffsetRect(&box, 1, 1);
  if (state == kStateDisabled) {
    DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(text.c_str()), 0, box.left, box.top,
               box.right - box.left, box.bottom - box.top, DST_TEXT | DSS_DISABLED);
  } else {
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    DrawTextW(dc, text.c_str(), -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
  SelectObject(dc, old);
}

void CxSkinButton::Paint() {
  PaintOffScreen(window_, [this](HDC dc, const RECT& rect) {
    const int state = State();
    DrawPicture(dc, rect, state);
    DrawLabel(dc, rect, state);
  });
}

LRESULT CxSkinButton::Repainting(UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = DefSubclassProc(window_, message, wParam, lParam);
  InvalidateRect(window_, nullptr, FALSE);
  return result;
}

LRESULT CxSkinButton::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  if (hover_.Handles(window_, message)) return 0;
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_LBUTTONDBLCLK:  // a quick second click is a second press, not a double click
      return DefSubclassProc(window_, WM_LBUTTONDOWN, wParam, lParam);
    case BM_SETCHECK:
      checked_ = wParam == BST_CHECKED;
      InvalidateRect(window_, nullptr, FALSE);
      return 0;
    case BM_GETCHECK:
      return checked_ ? BST_CHECKED : BST_UNCHECKED;
    case BM_SETSTATE:
    case WM_ENABLE:
    case WM_SETTEXT:
      return Repainting(message, wParam, lParam);
    default:
      break;
  }
  return DefSubclassProc(window_, message, wParam, lParam);
}
