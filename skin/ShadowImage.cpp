#include "skin/ShadowImage.h"

#include <algorithm>
#include <cmath>

namespace {

bool Inside(const std::vector<SRowSpan>& rows, int x, int y) {
  if (y < 0 || y >= static_cast<int>(rows.size())) return false;
  return x >= rows[y].left && x < rows[y].right;
}

}  // namespace

std::vector<SRowSpan> CShadowImage::Shrink(const std::vector<SRowSpan>& rows) {
  std::vector<SRowSpan> out(rows.size());
  const int n = static_cast<int>(rows.size());
  for (int y = 0; y < n; ++y) {
    if (y == 0 || y == n - 1) continue;
    const SRowSpan& a = rows[y - 1];
    const SRowSpan& b = rows[y];
    const SRowSpan& c = rows[y + 1];
    if (a.Empty() || b.Empty() || c.Empty()) continue;
    out[y].left = std::max({a.left, b.left, c.left}) + 1;
    out[y].right = std::min({a.right, b.right, c.right}) - 1;
  }
  return out;
}

CShadowImage::CShadowImage(const std::vector<SRowSpan>& parentRows, int parentWidth,
                           const SShadowLook& look)
    : look_(look),
      width_(std::max(0, parentWidth + 2 * look.size)),
      height_(std::max(0, static_cast<int>(parentRows.size()) + 2 * look.size)),
      pixels_(static_cast<std::size_t>(width_) * height_, 0) {
  std::vector<SRowSpan> outline = parentRows;
  for (int n = 0; n < look.sharpness - look.size; ++n) outline = Shrink(outline);

  const int radius = std::max(look.size, look.sharpness);
  const std::vector<int> kernel = Kernel(radius);
  const int rows = static_cast<int>(outline.size());
  for (int y = 0; y < rows; ++y) {
    const SRowSpan& span = outline[y];
    for (int x = span.left; x < span.right; ++x) {
      const bool edge = !Inside(outline, x - 1, y) || !Inside(outline, x + 1, y) ||
                        !Inside(outline, x, y - 1) || !Inside(outline, x, y + 1);
      if (edge) {
        Stamp(x + look.size, y + look.size, kernel, radius);
      } else {
        Put(x + look.size, y + look.size, look.darkness);
      }
    }
  }
  ClearParent(parentRows);
}

std::vector<int> CShadowImage::Kernel(int radius) const {
  const int side = 2 * radius + 1;
  const double inner = look_.size > look_.sharpness ? look_.size - look_.sharpness : 0;
  std::vector<int> kernel(static_cast<std::size_t>(side) * side, 0);
  for (int dy = -radius; dy <= radius; ++dy) {
    for (int dx = -radius; dx <= radius; ++dx) {
      const double d = std::sqrt(static_cast<double>(dx * dx + dy * dy));
      double alpha = 0;
      if (d < inner) {
        alpha = look_.darkness;
      } else if (d <= radius) {
        alpha = look_.darkness * (1.0 - (d - inner) / (look_.sharpness + 1));
      }
      kernel[(dy + radius) * side + dx + radius] = std::clamp(static_cast<int>(alpha), 0, 255);
    }
  }
  return kernel;
}

void CShadowImage::Stamp(int cx, int cy, const std::vector<int>& kernel, int radius) {
  const int side = 2 * radius + 1;
  for (int dy = -radius; dy <= radius; ++dy) {
    for (int dx = -radius; dx <= radius; ++dx) {
      Put(cx + dx, cy + dy, kernel[(dy + radius) * side + dx + radius]);
    }
  }
}

// Keeps the larger alpha; stores the shadow colour premultiplied by it.
void CShadowImage::Put(int x, int y, int alpha) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_ || alpha <= 0) return;
  std::uint32_t& pixel = pixels_[static_cast<std::size_t>(y) * width_ + x];
  if (static_cast<int>(pixel >> 24) >= alpha) return;
  const auto channel = [&](int shift) {
    return static_cast<std::uint32_t>(((look_.colour >> shift) & 0xFF) * alpha / 255) << shift;
  };
  pixel = (static_cast<std::uint32_t>(alpha) << 24) | channel(16) | channel(8) | channel(0);
}

void CShadowImage::ClearParent(const std::vector<SRowSpan>& parentRows) {
  const int dx = look_.size - look_.xOffset;
  const int dy = look_.size - look_.yOffset;
  for (int y = 0; y < static_cast<int>(parentRows.size()); ++y) {
    const int iy = y + dy;
    if (iy < 0 || iy >= height_) continue;
    const int from = std::max(0, parentRows[y].left + dx);
    const int to = std::min(width_, parentRows[y].right + dx);
    for (int x = from; x < to; ++x) pixels_[static_cast<std::size_t>(iy) * width_ + x] = 0;
  }
}
