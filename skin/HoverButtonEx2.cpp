#include "skin/HoverButtonEx2.h"

#include <algorithm>

namespace {

constexpr std::size_t kCaptionLimit = 31;

}  // namespace

void CHoverButtonEx2::SetCaption(const std::wstring& text, HFONT font, const RECT* rect,
                                 COLORREF active, COLORREF inactive) {
  caption_ = text.substr(0, kCaptionLimit);
  font_ = font;
  captionRect_ = rect != nullptr ? *rect : kDefaultCaptionRect;
  activeColour_ = active;
  inactiveColour_ = inactive;
  hasCaption_ = true;
  if (Window() != nullptr) InvalidateRect(Window(), nullptr, FALSE);
}

void CHoverButtonEx2::SetActive(bool active) {
  active_ = active;
  if (Window() != nullptr) InvalidateRect(Window(), nullptr, FALSE);
}

// DrawText centres only single lines vertically; a wrapped caption is
// measured first and placed in the middle of its rectangle.
void CHoverButtonEx2::Draw(HDC dc, const RECT& rect, int state) {
  CHoverButtonEx::Draw(dc, rect, state);
  if (!hasCaption_ || caption_.empty()) return;
  HGDIOBJ old = font_ != nullptr ? SelectObject(dc, font_) : nullptr;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, CaptionColour());
  RECT measured = captionRect_;
  const UINT flags = DT_CENTER | DT_WORDBREAK | DT_END_ELLIPSIS;
  DrawTextW(dc, caption_.c_str(), -1, &measured, flags | DT_CALCRECT);
  RECT box = captionRect_;
  const int height = std::min(measured.bottom - measured.top, box.bottom - box.top);
  box.top += (box.bottom - box.top - height) / 2;
  box.bottom = box.top + height;
  DrawTextW(dc, caption_.c_str(), -1, &box, flags);
  if (old != nullptr) SelectObject(dc, old);
}
