// Window shapes as runs of pixels: the runs of a picture that lie inside
// the window (every colour but the outside grey), and the row outline of a
// set of rectangles, which is what the drop shadow follows.
#pragma once

#include <cstdint>
#include <vector>

#include "skin/ShadowImage.h"

// Pixels of exactly this colour (0x00RRGGBB) are outside a shaped window.
inline constexpr std::uint32_t kOutsideColour = 0xA0A0A0;

struct SRun {
  int y = 0;
  int left = 0;
  int right = 0;  // one past the last pixel
  bool operator==(const SRun&) const = default;
};

// Runs of inside pixels, row by row from the top, left to right. `pixels`
// holds `height` rows of `width` 0x??RRGGBB values; the top byte is ignored.
std::vector<SRun> InsideRuns(const std::uint32_t* pixels, int width, int height);

struct SRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const SRect&) const = default;
};

// For each of `height` rows the leftmost and rightmost pixel covered by any
// of the rectangles (clipped to 0..width); rows without any stay empty.
std::vector<SRowSpan> RowOutline(const std::vector<SRect>& rects, int width, int height);
