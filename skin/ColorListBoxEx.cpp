#include "skin/ColorListBoxEx.h"

#include "skin/Pictures.h"

bool CColorListBoxEx::SetBackgroundPicture(int pictureId) {
  CBitmap picture = LoadPicture(pictureId);
  tiles_.Reset(picture ? CreatePatternBrush(picture.Get()) : nullptr);
  if (Window() != nullptr) InvalidateRect(Window(), nullptr, TRUE);
  return static_cast<bool>(tiles_);
}

// Each row starts the tiles afresh at its top, so every row looks alike
// whatever the row height.
void CColorListBoxEx::FillBackground(HDC dc, const RECT& rect) {
  if (!tiles_) {
    CColorListBox::FillBackground(dc, rect);
    return;
  }
  POINT old;
  SetBrushOrgEx(dc, rect.left, rect.top, &old);
  FillRect(dc, &rect, tiles_.Get());
  SetBrushOrgEx(dc, old.x, old.y, nullptr);
}
