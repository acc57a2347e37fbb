#include "skin/RegionRuns.h"

#include <algorithm>

std::vector<SRun> InsideRuns(const std::uint32_t* pixels, int width, int height) {
  std::vector<SRun> runs;
  for (int y = 0; y < height; ++y) {
    const std::uint32_t* row = pixels + static_cast<std::size_t>(y) * width;
    int x = 0;
    while (x < width) {
      while (x < width && (row[x] & 0xFFFFFF) == kOutsideColour) ++x;
      const int left = x;
      while (x < width && (row[x] & 0xFFFFFF) != kOutsideColour) ++x;
      if (x > left) runs.push_back({y, left, x});
    }
  }
  return runs;
}

std::vector<SRowSpan> RowOutline(const std::vector<SRect>& rects, int width, int height) {
  std::vector<SRowSpan> rows(static_cast<std::size_t>(std::max(0, height)));
  for (const SRect& r : rects) {
    const int left = std::max(0, r.left);
    const int right = std::min(width, r.right);
    if (left >= right) continue;
    for (int y = std::max(0, r.top); y < std::min(height, r.bottom); ++y) {
      SRowSpan& span = rows[y];
      if (span.Empty()) {
        span = {left, right};
      } else {
        span.left = std::min(span.left, left);
        span.right = std::max(span.right, right);
      }
    }
  }
  return rows;
}
