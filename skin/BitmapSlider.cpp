#include "skin/BitmapSlider.h"

#include <commctrl.h>
#include <windowsx.h>

#include "skin/Pictures.h"

CBitmapSlider::~CBitmapSlider() {
  if (window_ != nullptr && IsWindow(window_)) RemoveWindowSubclass(window_, &Procedure, 4);
}

bool CBitmapSlider::Attach(HWND dialog, int id) {
  window_ = GetDlgItem(dialog, id);
  if (window_ == nullptr) return false;
  SetWindowLongPtrW(window_, GWL_STYLE, GetWindowLongPtrW(window_, GWL_STYLE) | SS_NOTIFY);
  Relayout();
  return SetWindowSubclass(window_, &Procedure, 4, reinterpret_cast<DWORD_PTR>(this));
}

void CBitmapSlider::SetRange(int minimum, int maximum) {
  model_.SetRange(minimum, maximum);
  if (window_ != nullptr) InvalidateRect(window_, nullptr, FALSE);
}

void CBitmapSlider::SetPos(int position) {
  model_.SetPos(position);
  if (window_ != nullptr) InvalidateRect(window_, nullptr, FALSE);
}

void CBitmapSlider::SetMargins(int start, int end) {
  marginStart_ = start;
  marginEnd_ = end;
  Relayout();
}

void CBitmapSlider::SetChannel(int pictureId, int activePictureId) {
  channel_ = LoadPicture(pictureId);
  activeChannel_ = activePictureId != 0 ? LoadPicture(activePictureId) : CBitmap();
  Relayout();
}

void CBitmapSlider::SetThumb(int pictureId, int activePictureId) {
  thumb_ = LoadPicture(pictureId);
  activeThumb_ = activePictureId != 0 ? LoadPicture(activePictureId) : CBitmap();
  Relayout();
}

void CBitmapSlider::Enable(bool enable) {
  model_.SetEnabled(enable);
  if (!enable && GetCapture() == window_) ReleaseCapture();
  OnEnabledChanged(enable);
  if (window_ != nullptr) {
    EnableWindow(window_, enable);
    InvalidateRect(window_, nullptr, FALSE);
  }
}

void CBitmapSlider::Relayout() {
  if (window_ == nullptr) return;
  RECT rect;
  GetClientRect(window_, &rect);
  model_.SetGeometry(rect.right, marginStart_, marginEnd_, PictureSize(thumb_.Get()).cx);
  InvalidateRect(window_, nullptr, FALSE);
}

void CBitmapSlider::Blit(HDC dc, HBITMAP picture, int x, int y, int width) {
  const SIZE size = PictureSize(picture);
  if (size.cx == 0) return;
  width = width < 0 ? size.cx : width;
  CMemoryDC source(dc, picture);
  if (transparent_) {
    TransparentBlt(dc, x, y, width, size.cy, source.Get(), 0, 0, width, size.cy, key_);
  } else {
    BitBlt(dc, x, y, width, size.cy, source.Get(), 0, 0, SRCCOPY);
  }
}

void CBitmapSlider::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window_, &ps);
  RECT rect;
  GetClientRect(window_, &rect);
  const int thumbWidth = PictureSize(thumb_.Get()).cx;
  const int centre = model_.ThumbCentre();
  const int channelTop = (rect.bottom - PictureSize(channel_.Get()).cy) / 2;
  Blit(dc, channel_.Get(), 0, channelTop, -1);
  if (activeChannel_) Blit(dc, activeChannel_.Get(), 0, channelTop, centre);
  HBITMAP thumb = model_.Dragging() && activeThumb_ ? activeThumb_.Get() : thumb_.Get();
  Blit(dc, thumb, centre - thumbWidth / 2, (rect.bottom - PictureSize(thumb).cy) / 2, -1);
  EndPaint(window_, &ps);
}

void CBitmapSlider::Notify(const std::optional<SSliderNotice>& notice) {
  if (!notice) return;
  InvalidateRect(window_, nullptr, FALSE);
  const UINT message = notice->note == SliderNote::Pressed  ? WM_SLIDER_PRESSED
                       : notice->note == SliderNote::Moving ? WM_SLIDER_MOVING
                                                            : WM_SLIDER_MOVED;
  PostMessageW(GetParent(window_), message, GetDlgCtrlID(window_), notice->position);
}

LRESULT CBitmapSlider::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_SIZE:
      Relayout();
      break;
    case WM_LBUTTONDOWN:
      if (!model_.Enabled()) return 0;
      SetCapture(window_);
      if (takeFocus_) SetFocus(window_);
      Notify(model_.Press(GET_X_LPARAM(lParam)));
      return 0;
    case WM_MOUSEMOVE:
      Notify(model_.Drag(GET_X_LPARAM(lParam)));
      return 0;
    case WM_LBUTTONUP:
      if (GetCapture() == window_) ReleaseCapture();
      Notify(model_.Release());
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS;
    case WM_KEYDOWN: {
      std::optional<SliderKey> key;
      switch (wParam) {
        case VK_PRIOR: key = SliderKey::PageUp; break;
        case VK_NEXT: key = SliderKey::PageDown; break;
        case VK_HOME: key = SliderKey::Home; break;
        case VK_END: key = SliderKey::End; break;
        case VK_LEFT: key = SliderKey::Left; break;
        case VK_UP: key = SliderKey::Up; break;
        case VK_RIGHT: key = SliderKey::Right; break;
        case VK_DOWN: key = SliderKey::Down; break;
        default: break;
      }
      if (key) {
        Notify(model_.Key(*key));
        return 0;
      }
      break;
    }
    default:
      break;
  }
  return DefSubclassProc(window_, message, wParam, lParam);
}

LRESULT CALLBACK CBitmapSlider::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR, DWORD_PTR self) {
  auto* slider = reinterpret_cast<CBitmapSlider*>(self);
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(window, &Procedure, 4);
    slider->window_ = nullptr;
    return DefSubclassProc(window, message, wParam, lParam);
  }
  return slider->Handle(message, wParam, lParam);
}
