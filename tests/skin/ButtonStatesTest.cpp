#include "skin/ButtonStates.h"

#include <gtest/gtest.h>

TEST(StateImageSize, AQuarterAlongTheStrip) {
  EXPECT_EQ(StateImageSize({360, 20}, false), (SSize{90, 20}));
  EXPECT_EQ(StateImageSize({90, 80}, true), (SSize{90, 20}));
}

struct StateCase {
  bool pressed, hover, selected, enabled;
  int button, tab;
};

TEST(ButtonStates, PressedBeatsHoverBeatsEnabled) {
  const StateCase cases[] = {
      {false, false, false, true, kStateNormal, kStateNormal},
      {false, false, false, false, kStateDisabled, kStateDisabled},
      {true, true, false, false, kStatePressed, kStatePressed},
      {false, true, false, true, kStateHover, kStateHover},
      {false, true, false, false, kStateHover, kStateHover},
      {false, true, true, true, kStateHover, kStatePressed},
      {false, false, true, true, kStateNormal, kStatePressed},
      {false, false, true, false, kStateDisabled, kStatePressed},
  };
  for (const StateCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.pressed << c.hover << c.selected << c.enabled);
    EXPECT_EQ(HoverButtonState(c.pressed, c.hover, c.enabled), c.button);
    EXPECT_EQ(ProfileTabState(c.pressed, c.hover, c.selected, c.enabled), c.tab);
  }
}

TEST(SkinButtonState, DisabledBeatsPressedOrCheckedBeatsHover) {
  struct Case { bool enabled, pressed, checked, hover; int state; };
  const Case cases[] = {
      {true, false, false, false, kStateNormal},   {true, false, false, true, kStateHover},
      {true, true, false, true, kStatePressed},    {true, false, true, true, kStatePressed},
      {false, true, true, true, kStateDisabled},   {false, false, false, false, kStateDisabled},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.enabled << c.pressed << c.checked << c.hover);
    EXPECT_EQ(SkinButtonState(c.enabled, c.pressed, c.checked, c.hover), c.state);
  }
}
