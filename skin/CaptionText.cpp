#include "skin/CaptionText.h"

#include <algorithm>

// DrawText centres only single lines vertically; a wrapped caption is
// measured first and placed in the middle of its rectangle.
void DrawCaption(HDC dc, const std::wstring& text, HFONT font, const RECT& rect, COLORREF colour) {
  if (text.empty()) return;
  HGDIOBJ old = font != nullptr ? SelectObject(dc, font) : nullptr;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colour);
  RECT measured = rect;
  const UINT flags = DT_CENTER | DT_WORDBREAK | DT_END_ELLIPSIS;
  DrawTextW(dc, text.c_str(), -1, &measured, flags | DT_CALCRECT);
  RECT box = rect;
  const int height = std::min(measured.bottom - measured.top, box.bottom - box.top);
  box.top += (box.bottom - box.top - height) / 2;
  box.bottom = box.top + height;
  DrawTextW(dc, text.c_str(), -1, &box, flags);
  if (old != nullptr) SelectObject(dc, old);
}
