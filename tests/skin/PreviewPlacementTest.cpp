#include "skin/PreviewPlacement.h"

#include <gtest/gtest.h>

struct PlacementCase {
  PreviewMode mode;
  int pw, ph, vw, vh;
  SPlacement expected;
};

TEST(PreviewPlacement, ThreeModes) {
  const PlacementCase cases[] = {
      {PreviewMode::Stretch, 400, 300, 100, 100, {{0, 0, 400, 300}, {0, 0, 100, 100}}},
      {PreviewMode::Fit, 400, 300, 100, 100, {{0, 0, 400, 300}, {0, 12, 100, 87}}},
      {PreviewMode::FillCrop, 400, 300, 100, 100, {{50, 0, 350, 300}, {0, 0, 100, 100}}},
      {PreviewMode::Fit, 300, 400, 100, 100, {{0, 0, 300, 400}, {12, 0, 87, 100}}},
      {PreviewMode::FillCrop, 300, 400, 100, 100, {{0, 50, 300, 350}, {0, 0, 100, 100}}},
      {PreviewMode::Fit, 200, 100, 100, 50, {{0, 0, 200, 100}, {0, 0, 100, 50}}},
      // A picture that could not be decoded has no size: nothing to crop.
      {PreviewMode::FillCrop, 0, 0, 100, 100, {{0, 0, 0, 0}, {0, 0, 100, 100}}},
  };
  for (const PlacementCase& c : cases) {
    SCOPED_TRACE(testing::Message() << static_cast<int>(c.mode) << " " << c.pw << "x" << c.ph);
    EXPECT_EQ(PlacePreview(c.mode, c.pw, c.ph, c.vw, c.vh), c.expected);
  }
}
