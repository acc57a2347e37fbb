// Dialog units to pixels as on a 96 dpi screen, so that controls of a
// template land on the same pixels of the pictures at any system setting.
#pragma once

// Pixel height (negative: character height) of a font of `points` at 96 dpi.
int FontHeightAt96Dpi(int points);

// Average character width from the measured width of the 52 letters a..z A..Z.
int AverageCharWidth(int widthOfAlphabet);

// A rectangle as left, top, width and height, in dialog units or pixels.
struct SDialogRect {
  int x = 0;
  int y = 0;
  int cx = 0;
  int cy = 0;
  bool operator==(const SDialogRect&) const = default;
};

struct SDialogUnits {
  int charWidth = 0;   // average character width in pixels
  int charHeight = 0;  // text metric height in pixels
  int X(int units) const;
  int Y(int units) const;
  SDialogRect Pixels(const SDialogRect& units) const;
};
