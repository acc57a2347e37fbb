// The pixels of a window's drop shadow, computed from the window's outline.
// Portable: the Win32 shadow window only hands in the outline rows of its
// parent's region and copies the result into a layered window.
#pragma once

#include <cstdint>
#include <vector>

struct SShadowLook {
  int darkness = 150;   // alpha of the darkest shadow pixel, 0..255
  int sharpness = 5;    // width of the soft edge in pixels
  int size = 0;         // reach beyond the parent's outline (may be negative)
  int xOffset = 5;
  int yOffset = 5;
  std::uint32_t colour = 0;  // 0x00RRGGBB
};

// One row of an outline: the pixels left..right-1 are inside; empty when
// left >= right.
struct SRowSpan {
  int left = 0;
  int right = 0;
  bool Empty() const { return left >= right; }
};

class CShadowImage {
 public:
  // Makes the shadow of a parent whose outline is one span per row
  // (parentRows.size() rows, parentWidth columns). The image is
  // (parentWidth + 2·size) × (rows + 2·size) pixels of premultiplied
  // 0xAARRGGBB, its top-left corner at parent + offset − size.
  CShadowImage(const std::vector<SRowSpan>& parentRows, int parentWidth, const SShadowLook& look);

  int Width() const { return width_; }
  int Height() const { return height_; }
  std::uint32_t At(int x, int y) const { return pixels_[y * width_ + x]; }
  int AlphaAt(int x, int y) const { return static_cast<int>(At(x, y) >> 24); }
  const std::vector<std::uint32_t>& Pixels() const { return pixels_; }

  // The outline moved one pixel inwards on every side; a row stays inside
  // only as far as its two neighbours do.
  static std::vector<SRowSpan> Shrink(const std::vector<SRowSpan>& rows);

 private:
  std::vector<int> Kernel(int radius) const;
  void Stamp(int cx, int cy, const std::vector<int>& kernel, int radius);
  void Put(int x, int y, int alpha);
  void ClearParent(const std::vector<SRowSpan>& parentRows);

  SShadowLook look_;
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint32_t> pixels_;
};
