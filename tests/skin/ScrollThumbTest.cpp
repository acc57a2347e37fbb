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
