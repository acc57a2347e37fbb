#include "skin/ShadowImage.h"

#include <gtest/gtest.h>

namespace {

SShadowLook ProgramLook() {
  SShadowLook look;
  look.darkness = 180;
  look.sharpness = 10;
  look.size = 5;
  look.xOffset = 0;
  look.yOffset = 0;
  return look;
}

std::vector<SRowSpan> Rectangle(int width, int height) {
  return std::vector<SRowSpan>(height, SRowSpan{0, width});
}

}  // namespace

TEST(ShadowImage, ReachesFiveBeyondTheOutlineAndNeverUnderTheParent) {
  const CShadowImage shadow(Rectangle(40, 30), 40, ProgramLook());
  ASSERT_EQ(shadow.Width(), 50);
  ASSERT_EQ(shadow.Height(), 40);
  for (int y = 5; y < 35; ++y)
    for (int x = 5; x < 45; ++x) ASSERT_EQ(shadow.At(x, y), 0u) << x << "," << y;
  EXPECT_GT(shadow.AlphaAt(0, 20), 0);
  EXPECT_GT(shadow.AlphaAt(4, 20), shadow.AlphaAt(0, 20));
  EXPECT_GT(shadow.AlphaAt(25, 0), 0);
}

TEST(ShadowImage, KernelFallsOffFromTheFullDarkness) {
  SShadowLook look = ProgramLook();
  look.size = 12;  // inner radius 2: full darkness near the edge
  const CShadowImage shadow(Rectangle(60, 60), 60, look);
  EXPECT_EQ(shadow.AlphaAt(11, 40), 180);
  EXPECT_EQ(shadow.AlphaAt(0, 40), 180 * 1 / 11);
}

TEST(ShadowImage, PixelsArePremultiplied) {
  SShadowLook look = ProgramLook();
  look.colour = 0x804020;
  const CShadowImage shadow(Rectangle(40, 30), 40, look);
  const std::uint32_t p = shadow.At(2, 20);
  const std::uint32_t a = p >> 24;
  ASSERT_GT(a, 0u);
  EXPECT_EQ((p >> 16) & 0xFF, 0x80 * a / 255);
  EXPECT_EQ((p >> 8) & 0xFF, 0x40 * a / 255);
  EXPECT_EQ(p & 0xFF, 0x20 * a / 255);
}

TEST(ShadowImage, OffsetsMoveTheClearedParentArea) {
  SShadowLook look = ProgramLook();
  look.xOffset = 3;
  look.yOffset = 3;
  const CShadowImage shadow(Rectangle(40, 30), 40, look);
  // The parent covers image pixels from (2,2); below-right of it the shadow shows.
  EXPECT_EQ(shadow.At(2, 2), 0u);
  EXPECT_EQ(shadow.At(41, 31), 0u);
  EXPECT_GT(shadow.AlphaAt(44, 20), 0);
  EXPECT_GT(shadow.AlphaAt(0, 20), 0);
}

TEST(ShadowImage, FollowsAShapedOutlineRowByRow) {
  // A staircase: each band of 20 rows is 10 pixels narrower on the left.
  std::vector<SRowSpan> rows;
  for (int y = 0; y < 80; ++y) rows.push_back({(y / 20) * 10, 60});
  const CShadowImage shadow(rows, 60, ProgramLook());
  for (int band = 1; band < 3; ++band) {
    const int y = band * 20 + 10 + 5;  // middle of the band, in image rows
    const int left = band * 10 + 5;    // the band's left edge, in image columns
    EXPECT_EQ(shadow.At(left, y), 0u) << band;
    EXPECT_GT(shadow.AlphaAt(left - 1, y), 0) << band;
    EXPECT_EQ(shadow.AlphaAt(left - 6, y), 0) << band;
  }
}

TEST(ShadowImage, ShrinkDropsRowsWhoseNeighboursAreOutside) {
  std::vector<SRowSpan> rows = {{0, 10}, {0, 10}, {2, 10}, {0, 10}, {}};
  const std::vector<SRowSpan> shrunk = CShadowImage::Shrink(rows);
  EXPECT_TRUE(shrunk[0].Empty());
  EXPECT_EQ(shrunk[1].left, 3);
  EXPECT_EQ(shrunk[1].right, 9);
  EXPECT_EQ(shrunk[2].left, 3);
  EXPECT_TRUE(shrunk[3].Empty());
  EXPECT_TRUE(shrunk[4].Empty());
}

TEST(ShadowImage, EmptyOrTinyParentsGiveEmptyImagesWithoutFaults) {
  EXPECT_EQ(CShadowImage({}, 0, ProgramLook()).Width(), 10);
  const CShadowImage tiny(Rectangle(2, 2), 2, ProgramLook());
  for (std::uint32_t p : tiny.Pixels()) EXPECT_EQ(p, 0u);
  SShadowLook negative = ProgramLook();
  negative.size = -30;
  EXPECT_EQ(CShadowImage(Rectangle(20, 20), 20, negative).Width(), 0);
}
