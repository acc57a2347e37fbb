#include <gtest/gtest.h>

#include "config/SensitivityControls.h"

namespace {

TEST(SensitivityControls, EditsAndSlidersOfEachLevelAndAxis) {
  struct Case {
    int edit;
    int slider;
    int level;
    SensitivityAxis axis;
  };
  const Case cases[] = {{1029, 1025, 0, SensitivityAxis::X},
                        {1030, 1026, 1, SensitivityAxis::X},
                        {1031, 1027, 0, SensitivityAxis::Y},
                        {1032, 1028, 1, SensitivityAxis::Y}};
  for (const Case& c : cases) {
    for (const auto& control : {SensitivityControlOfEdit(c.edit), SensitivityControlOfSlider(c.slider)}) {
      ASSERT_TRUE(control) << c.edit;
      EXPECT_EQ(control->level, c.level) << c.edit;
      EXPECT_EQ(control->axis, c.axis) << c.edit;
      EXPECT_EQ(control->edit, c.edit);
      EXPECT_EQ(control->slider, c.slider);
    }
  }
  for (int id : {1024, 1028 + 5, 1033}) EXPECT_FALSE(SensitivityControlOfEdit(id)) << id;
  EXPECT_FALSE(SensitivityControlOfSlider(1029));
}

TEST(SensitivityControls, LevelButtonPictures) {
  EXPECT_EQ(LevelButtonPicture(0, true), 226);
  EXPECT_EQ(LevelButtonPicture(0, false), 225);
  EXPECT_EQ(LevelButtonPicture(1, true), 228);
  EXPECT_EQ(LevelButtonPicture(1, false), 227);
}

}  // namespace
