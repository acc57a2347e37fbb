#include "skin/DialogUnits.h"

#include <gtest/gtest.h>

TEST(DialogUnits, FontHeightIsTheSameAt96DpiWhateverTheSystem) {
  EXPECT_EQ(FontHeightAt96Dpi(8), -11);
  EXPECT_EQ(FontHeightAt96Dpi(9), -12);
  EXPECT_EQ(FontHeightAt96Dpi(10), -13);
}

TEST(DialogUnits, TemplateRectanglesBecomeThePicturePixels) {
  // An 8-point sans font measures 312 pixels for the alphabet, 13 high.
  const SDialogUnits units{AverageCharWidth(312), 13};
  EXPECT_EQ(units.charWidth, 6);
  EXPECT_EQ(units.X(246), 369);  // the message box picture's width
  EXPECT_EQ(units.Y(215), 349);
  EXPECT_EQ(units.X(1), 2);      // 1.5 rounds up
  EXPECT_EQ(units.Y(3), 5);      // 4.875
  EXPECT_EQ(units.X(0), 0);
}

TEST(DialogUnits, RectanglesConvertEachSideWithItsOwnUnit) {
  struct Case {
    SDialogUnits units;
    SDialogRect dialog;
    SDialogRect pixels;
  };
  const Case cases[] = {
      // 8-point sans: 6 × 13; the script editor's list view.
      {{6, 13}, {19, 100, 179, 85}, {29, 163, 269, 138}},
      // A wider CJK font: 7 × 16.
      {{7, 16}, {68, 18, 114, 14}, {119, 36, 200, 28}},
      // Controls may start left of or above the client area.
      {{6, 13}, {-2, -4, 10, 8}, {-2, -6, 15, 13}},
      {{6, 13}, {0, 0, 0, 0}, {0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.units.Pixels(c.dialog), c.pixels);
  }
}
