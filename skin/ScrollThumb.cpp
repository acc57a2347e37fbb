#include "skin/ScrollThumb.h"

#include <algorithm>

namespace {

int LastThumbTop(int top, int height) { return std::max(top + kBarHead, height - kBarArrow - kBarThumb); }

int Travel(int height) { return height - 2 * kBarArrow - 18 - kBarThumb; }

}  // namespace

int VerticalThumbTop(int top, int height, int position, int limit) {
  const int first = top + kBarHead;
  if (limit <= 0) return first;
  const double ratio = static_cast<double>(Travel(height)) / limit;
  return std::clamp(first + static_cast<int>(ratio * position), first, LastThumbTop(top, height));
}

BarPart VerticalBarPartAt(int height, int thumbTop, int y) {
  if (y >= 18 && y < kBarHead) return BarPart::UpArrow;
  if (y >= height - kBarArrow) return BarPart::DownArrow;
  if (y >= thumbTop && y < thumbTop + kBarThumb) return BarPart::Thumb;
  return BarPart::Track;
}

int DraggedThumbTop(int height, int y) {
  return std::clamp(y - kBarGrip, kBarHead, LastThumbTop(0, height));
}

int RowsForThumb(int height, int thumbTop, int position, int limit) {
  if (limit <= 0 || Travel(height) <= 0) return 0;
  const double ratio = static_cast<double>(Travel(height)) / limit;
  const int wanted = std::clamp(static_cast<int>((thumbTop - kBarHead) / ratio + 0.5), 0, limit);
  return wanted - position;
}
