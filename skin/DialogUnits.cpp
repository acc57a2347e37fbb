#include "skin/DialogUnits.h"

int FontHeightAt96Dpi(int points) { return -((points * 96 * 2 + 72) / (72 * 2)); }

int AverageCharWidth(int widthOfAlphabet) { return (widthOfAlphabet / 26 + 1) / 2; }

int SDialogUnits::X(int units) const { return (units * charWidth * 2 + 4) / 8; }

int SDialogUnits::Y(int units) const { return (units * charHeight * 2 + 8) / 16; }

SDialogRect SDialogUnits::Pixels(const SDialogRect& units) const {
  return {X(units.x), Y(units.y), X(units.cx), Y(units.cy)};
}
