#include "skin/ScrollBarGeometry.h"

#include <gtest/gtest.h>

// A bar 116 pixels long with 16-pixel arrows: a track of 84.
TEST(ScrollBarThumb, AsLongAsThePageIsOfTheRangeAndPlacedByThePosition) {
  struct Case { SScrollRange range; SThumb thumb; };
  const Case cases[] = {
      {{0, 29, 10, 0}, {16, 28}},
      {{0, 29, 10, 20}, {72, 28}},     // the last position: against the down arrow
      {{0, 29, 10, 99}, {72, 28}},     // past the last position
      {{0, 29, 10, 10}, {44, 28}},
      {{0, 299, 1, 0}, {16, 12}},      // a long range keeps a thumb one can grab
      {{0, 9, 10, 0}, {0, 0}},         // all of it visible: no thumb
      {{5, 4, 0, 0}, {0, 0}},          // an empty range
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.range.max << "/" << c.range.page << "@" << c.range.pos);
    EXPECT_EQ(ScrollBarThumb(116, 16, c.range), c.thumb);
  }
  EXPECT_EQ(ScrollBarThumb(20, 16, {0, 29, 10, 0}), (SThumb{}));  // no room for a track
}

TEST(ScrollBarHit, ArrowsLineTrackPagesThumbDrags) {
  const SThumb thumb{44, 28};
  struct Case { int at; ScrollHit hit; };
  const Case cases[] = {{0, ScrollHit::LineUp},    {15, ScrollHit::LineUp},
                        {16, ScrollHit::PageUp},   {43, ScrollHit::PageUp},
                        {44, ScrollHit::Thumb},    {71, ScrollHit::Thumb},
                        {72, ScrollHit::PageDown}, {99, ScrollHit::PageDown},
                        {100, ScrollHit::LineDown}, {115, ScrollHit::LineDown}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.at);
    EXPECT_EQ(ScrollBarHit(116, 16, thumb, c.at), c.hit);
  }
}

TEST(ScrollPosForThumb, DraggedThumbGivesThePositionItStandsFor) {
  const SScrollRange range{0, 29, 10, 0};
  struct Case { int start, pos; };
  const Case cases[] = {{16, 0}, {0, 0}, {44, 10}, {72, 20}, {500, 20}, {30, 5}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.start);
    EXPECT_EQ(ScrollPosForThumb(116, 16, range, c.start), c.pos);
  }
  EXPECT_EQ(ScrollPosForThumb(116, 16, {0, 9, 10, 0}, 50), 0);
}
