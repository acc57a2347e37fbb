#include "skin/ScrollThumb.h"

#include <algorithm>

int VerticalThumbTop(int top, int height, int position, int limit) {
  const int first = top + 33;
  const int last = std::max(first, height - 61);
  if (limit <= 0) return first;
  const double ratio = static_cast<double>(height - 94) / limit;
  return std::clamp(first + static_cast<int>(ratio * position), first, last);
}
