#include <gtest/gtest.h>

#include <vector>

#include "config/ActivityIndicator.h"

namespace {

TEST(ActivityIndicator, TheLightWalksOverTheEnabledPlaces) {
  std::vector<int> on;
  std::vector<int> off;
  int cursor = 0;
  for (int i = 0; i < 13; ++i) {
    const IndicatorStep step = NextIndicatorStep(cursor);
    ASSERT_TRUE(step.switchOn);
    on.push_back(*step.switchOn);
    if (step.switchOff) off.push_back(*step.switchOff);
    cursor = step.cursor;
  }
  EXPECT_EQ(on, (std::vector<int>{2, 3, 4, 6, 7, 1, 2, 3, 4, 6, 7, 1, 2}));
  // Each light but the one at position 0 goes off before the next comes on.
  EXPECT_EQ(off, (std::vector<int>{2, 3, 4, 6, 7, 2, 3, 4, 6, 7}));
}

TEST(ActivityIndicator, ACursorOffTheRingStillLandsOnIt) {
  for (int cursor : {-9, -1, 8, 100}) {
    const IndicatorStep step = NextIndicatorStep(cursor);
    EXPECT_GE(step.cursor, 0) << cursor;
    EXPECT_LT(step.cursor, 8) << cursor;
  }
}

}  // namespace
