// A coloured list box whose unselected items, and the space below them,
// show a picture repeated as tiles.
#pragma once

#include "skin/ColorListBox.h"

class CColorListBoxEx : public CColorListBox {
 public:
  // False when the picture is missing: the plain background colour stays.
  bool SetBackgroundPicture(int pictureId);

 protected:
  void FillBackground(HDC dc, const RECT& rect) override;

 private:
  CBrush tiles_;
};
