#include "skin/ScrollThumb.h"

#include <gtest/gtest.h>

TEST(VerticalThumbTop, RunsFromBelowTheUpArrowToAboveTheDownArrow) {
  struct Case { int top, height, position, limit, expected; };
  const Case cases[] = {
      {0, 294, 0, 10, 33},
      {0, 294, 5, 10, 133},
      {0, 294, 10, 10, 233},
      {0, 294, 40, 10, 233},   // past the limit stays above the down arrow
      {0, 294, -3, 10, 33},
      {0, 294, 7, 0, 33},      // nothing to scroll
      {0, 60, 0, 10, 33},      // too short for a travel: the thumb stays at the head
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.height << " " << c.position << "/" << c.limit);
    EXPECT_EQ(VerticalThumbTop(c.top, c.height, c.position, c.limit), c.expected);
  }
}

TEST(VerticalBarPartAt, ArrowsAtTheEndsThumbWhereItIsTrackElsewhere) {
  struct Case { int y; BarPart part; };
  const Case cases[] = {
      {0, BarPart::Track},   {17, BarPart::Track},      // the cap
      {18, BarPart::UpArrow}, {32, BarPart::UpArrow},
      {33, BarPart::Track},  {99, BarPart::Track},
      {100, BarPart::Thumb}, {145, BarPart::Thumb},
      {146, BarPart::Track}, {278, BarPart::Track},
      {279, BarPart::DownArrow}, {293, BarPart::DownArrow},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.y);
    EXPECT_EQ(VerticalBarPartAt(294, 100, c.y), c.part);
  }
}

TEST(ThumbDrag, FollowsTheMouseWithinTheTravelAndScrollsTheRowsBetween) {
  struct Case { int y, thumbTop, position, rows; };
  const Case cases[] = {
      {56, 33, 0, 0},      // grabbed at its middle, not moved
      {156, 133, 0, 5},    // half way down a 10-row limit
      {156, 133, 7, -2},
      {500, 233, 0, 10},   // past the foot: stops at the limit
      {0, 33, 4, -4},      // past the head: back to the first row
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.y);
    EXPECT_EQ(DraggedThumbTop(294, c.y), c.thumbTop);
    EXPECT_EQ(RowsForThumb(294, c.thumbTop, c.position, 10), c.rows);
  }
  EXPECT_EQ(RowsForThumb(294, 133, 3, 0), 0);  // nothing to scroll
}
