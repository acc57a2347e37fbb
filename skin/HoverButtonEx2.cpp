#include "skin/HoverButtonEx2.h"

#include "skin/CaptionText.h"

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

void CHoverButtonEx2::Draw(HDC dc, const RECT& rect, int state) {
  CHoverButtonEx::Draw(dc, rect, state);
  if (hasCaption_) DrawCaption(dc, caption_, font_, captionRect_, CaptionColour());
}
