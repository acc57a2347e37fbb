#include "skin/RegionRuns.h"

#include <gtest/gtest.h>

TEST(InsideRuns, OnlyTheExactOutsideGreyMakesAHole) {
  const std::uint32_t o = 0xA0A0A0;  // RGB(160,160,160)
  const std::uint32_t n = 0xA1A0A0;  // RGB(161,160,160)
  const std::uint32_t d = 0x262C2E;
  const std::uint32_t pixels[] = {
      o, d, d, o,  //
      n, d, o, d,  //
      o, o, o, o,  //
      0xFFA0A0A0, d, d, d,  // the unused top byte does not matter
  };
  const std::vector<SRun> expected = {{0, 1, 3}, {1, 0, 2}, {1, 3, 4}, {3, 1, 4}};
  EXPECT_EQ(InsideRuns(pixels, 4, 4), expected);
}

TEST(RowOutline, LeftmostAndRightmostPixelOfEachRow) {
  const std::vector<SRect> rects = {{2, 0, 5, 2}, {0, 1, 3, 3}, {8, 1, 20, 2}, {-4, 5, 3, 9}};
  const std::vector<SRowSpan> rows = RowOutline(rects, 10, 7);
  ASSERT_EQ(rows.size(), 7u);
  EXPECT_EQ(rows[0].left, 2);
  EXPECT_EQ(rows[0].right, 5);
  EXPECT_EQ(rows[1].left, 0);
  EXPECT_EQ(rows[1].right, 10);
  EXPECT_EQ(rows[2].right, 3);
  EXPECT_TRUE(rows[3].Empty());
  EXPECT_TRUE(rows[4].Empty());
  EXPECT_EQ(rows[6].left, 0);
}
