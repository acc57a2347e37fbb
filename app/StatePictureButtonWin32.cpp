#include "app/StatePictureButtonWin32.h"

#include "skin/Pictures.h"

namespace {

constexpr COLORREF kCaptionEnabled = RGB(208, 212, 210);
constexpr COLORREF kCaptionDisabled = RGB(135, 156, 163);

}  // namespace

bool CStatePictureButton::SetPictures(int normal, int pressed, int hover, int disabled) {
  const int ids[] = {normal, pressed, hover, disabled};
  for (std::size_t state = 0; state < pictures_.size(); ++state) {
    pictures_[state] = LoadPicture(ids[state]);
    if (!pictures_[state]) return false;
  }
  // The base class draws only once it has a picture of its own.
  SetBitmap(normal);
  size_ = PictureSize(pictures_[0].Get());
  SetWindowPos(Window(), nullptr, 0, 0, size_.cx, size_.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(Window(), nullptr, FALSE);
  return true;
}

void CStatePictureButton::SetCaption(const std::wstring& text, HFONT font, const RECT& rect) {
  caption_ = text;
  font_ = font;
  captionRect_ = rect;
  InvalidateRect(Window(), nullptr, FALSE);
}

void CStatePictureButton::Draw(HDC dc, const RECT& rect, int state) {
  const HBITMAP picture = pictures_[static_cast<std::size_t>(state & 3)].Get();
  if (picture == nullptr) return;
  CMemoryDC source(dc, picture);
  BitBlt(dc, rect.left, rect.top, size_.cx, size_.cy, source.Get(), 0, 0, SRCCOPY);
  if (caption_.empty()) return;
  HGDIOBJ old = font_ != nullptr ? SelectObject(dc, font_) : nullptr;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, IsWindowEnabled(Window()) ? kCaptionEnabled : kCaptionDisabled);
  RECT box = captionRect_;
  DrawTextW(dc, caption_.c_str(), -1, &box,
            DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
  if (old != nullptr) SelectObject(dc, old);
}
