#include "skin/SliderModel.h"

#include <gtest/gtest.h>

namespace {

// A 220-pixel channel with 2-pixel margins and a 14-pixel thumb, 0..32:
// 202 pixels of travel.
CSliderModel Slider(int position = 0) {
  CSliderModel s;
  s.SetGeometry(220, 2, 2, 14);
  s.SetRange(0, 32);
  s.SetPos(position);
  return s;
}

}  // namespace

TEST(SliderModel, ThumbCentreFollowsTheValue) {
  EXPECT_EQ(Slider(0).ThumbCentre(), 9);
  EXPECT_EQ(Slider(16).ThumbCentre(), 2 + 101 + 7);
  EXPECT_EQ(Slider(32).ThumbCentre(), 2 + 202 + 7);
}

TEST(SliderModel, PressFarFromTheThumbPutsItsCentreUnderTheMouse) {
  CSliderModel s = Slider(0);
  EXPECT_EQ(s.Press(110), (SSliderNotice{SliderNote::Pressed, 16}));
  EXPECT_EQ(s.ThumbCentre(), 110);
  EXPECT_EQ(s.Drag(116), (SSliderNotice{SliderNote::Moving, 17}));
  EXPECT_EQ(s.Release(), (SSliderNotice{SliderNote::Moved, 17}));
  EXPECT_FALSE(s.Dragging());
}

TEST(SliderModel, PressOnTheThumbKeepsTheGrabOffset) {
  CSliderModel s = Slider(16);
  EXPECT_EQ(s.Press(114), (SSliderNotice{SliderNote::Pressed, 16}));
  EXPECT_FALSE(s.Drag(114).has_value());  // no change, no notice
  EXPECT_EQ(s.Drag(120), (SSliderNotice{SliderNote::Moving, 17}));
}

TEST(SliderModel, DraggingPastTheEndsStopsAtTheRange) {
  CSliderModel s = Slider(16);
  s.Press(110);
  EXPECT_EQ(s.Drag(-500), (SSliderNotice{SliderNote::Moving, 0}));
  EXPECT_EQ(s.Drag(5000), (SSliderNotice{SliderNote::Moving, 32}));
}

TEST(SliderModel, KeysMoveAndReportMoved) {
  struct Case { SliderKey key; int from, to; };
  const Case cases[] = {
      {SliderKey::Home, 20, 0},     {SliderKey::End, 3, 32},
      {SliderKey::PageUp, 30, 10},  {SliderKey::PageUp, 5, 0},
      {SliderKey::PageDown, 5, 25}, {SliderKey::PageDown, 30, 32},
      {SliderKey::Left, 5, 4},      {SliderKey::Up, 0, 0},
      {SliderKey::Right, 5, 6},     {SliderKey::Down, 32, 32},
  };
  for (const Case& c : cases) {
    CSliderModel s = Slider(c.from);
    EXPECT_EQ(s.Key(c.key), (SSliderNotice{SliderNote::Moved, c.to})) << c.from;
  }
}

TEST(SliderModel, DisabledSliderIgnoresInputAndDisablingEndsADrag) {
  CSliderModel s = Slider(4);
  s.Press(s.ThumbCentre());
  s.SetEnabled(false);
  EXPECT_FALSE(s.Dragging());
  EXPECT_FALSE(s.Drag(200).has_value());
  EXPECT_FALSE(s.Release().has_value());
  EXPECT_FALSE(s.Press(200).has_value());
  EXPECT_FALSE(s.Key(SliderKey::End).has_value());
  EXPECT_EQ(s.Pos(), 4);
}

TEST(SliderModel, EmptyRangeOrNoTravelStaysAtTheMinimum) {
  CSliderModel s;
  s.SetGeometry(10, 2, 2, 14);
  s.SetRange(5, 5);
  EXPECT_EQ(s.Press(100), (SSliderNotice{SliderNote::Pressed, 5}));
  EXPECT_FALSE(s.Drag(0).has_value());
}
