#include "skin/xSkinButtonEx.h"

#include "skin/ButtonStates.h"
#include "skin/CaptionText.h"

void CxSkinButtonEx::SetCaption(const std::wstring& text, HFONT font, const RECT* rect) {
  caption_ = text;
  font_ = font;
  captionRect_ = rect != nullptr ? *rect : kDefaultCaptionRect;
  hasCaption_ = true;
  if (Window() != nullptr) InvalidateRect(Window(), nullptr, FALSE);
}

void CxSkinButtonEx::DrawLabel(HDC dc, const RECT& rect, int state) {
  if (!hasCaption_) {
    CxSkinButton::DrawLabel(dc, rect, state);
    return;
  }
  const COLORREF colour = state == kStateDisabled ? kDisabledColour : kEnabledColour;
  DrawCaption(dc, caption_, font_, captionRect_, colour);
}
