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
