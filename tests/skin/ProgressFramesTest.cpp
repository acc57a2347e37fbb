#include "skin/ProgressFrames.h"

#include <gtest/gtest.h>

namespace {

int FrameAfter(CProgressFrames& bar, int position) {
  bar.SetPos(position);
  return bar.Frame();
}

}  // namespace

TEST(ProgressFrames, TwentyFramesOverTheLoadListAdvanceEveryFivePositions) {
  CProgressFrames bar;
  bar.SetFrames(20);
  bar.SetRange(113);
  for (int p = 0; p < 113; ++p) {
    SCOPED_TRACE(p);
    EXPECT_EQ(FrameAfter(bar, p), std::min(p / 5, 19));
  }
  EXPECT_EQ(FrameAfter(bar, 500), 19);
}

TEST(ProgressFrames, EightFramesOverEightPositionsShowEachFrame) {
  CProgressFrames spinner;
  spinner.SetFrames(8);
  spinner.SetRange(8);
  for (int p = 0; p < 8; ++p) EXPECT_EQ(FrameAfter(spinner, p), p);
  EXPECT_EQ(FrameAfter(spinner, 0), 0);
}

TEST(ProgressFrames, ShortRangeStepsSeveralFrames) {
  CProgressFrames bar;
  bar.SetFrames(20);
  bar.SetRange(4);
  EXPECT_EQ(FrameAfter(bar, 1), 5);
  EXPECT_EQ(FrameAfter(bar, 3), 15);
  EXPECT_EQ(FrameAfter(bar, 4), 19);
}

TEST(ProgressFrames, UnchangedOrNegativeFramesShowNothingNew) {
  CProgressFrames bar;
  bar.SetFrames(20);
  bar.SetRange(113);
  EXPECT_FALSE(bar.SetPos(0).has_value());
  EXPECT_FALSE(bar.SetPos(4).has_value());
  EXPECT_EQ(bar.SetPos(5), 1);
  EXPECT_FALSE(bar.SetPos(-10).has_value());
  EXPECT_EQ(bar.Frame(), 1);
}

TEST(ProgressFrames, EmptyRangeOrNoFramesCannotDivideByZero) {
  CProgressFrames bar;
  bar.SetFrames(0);
  bar.SetRange(0);
  EXPECT_EQ(FrameAfter(bar, 3), 0);
  bar.SetFrames(20);
  bar.SetRange(-5);
  EXPECT_EQ(FrameAfter(bar, 1), 19);
}
