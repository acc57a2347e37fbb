#include "skin/ScrollBarGeometry.h"

#include <algorithm>

namespace {

int LastPos(const SScrollRange& range) { return range.max - std::max(range.page, 1) + 1; }

}  // namespace

SThumb ScrollBarThumb(int length, int arrow, const SScrollRange& range) {
  const int track = length - 2 * arrow;
  const int span = range.max - range.min + 1;
  if (track <= 0 || span <= 0 || LastPos(range) <= range.min) return {};
  const int wanted = range.page > 0 ? track * range.page / span : kMinThumb;
  const int size = std::clamp(wanted, std::min(kMinThumb, track), track);
  const int pos = std::clamp(range.pos, range.min, LastPos(range));
  return {arrow + (track - size) * (pos - range.min) / (LastPos(range) - range.min), size};
}

ScrollHit ScrollBarHit(int length, int arrow, const SThumb& thumb, int at) {
  if (at < arrow) return ScrollHit::LineUp;
  if (at >= length - arrow) return ScrollHit::LineDown;
  if (thumb.length == 0) return at < length / 2 ? ScrollHit::PageUp : ScrollHit::PageDown;
  if (at < thumb.start) return ScrollHit::PageUp;
  if (at >= thumb.start + thumb.length) return ScrollHit::PageDown;
  return ScrollHit::Thumb;
}

int ScrollPosForThumb(int length, int arrow, const SScrollRange& range, int start) {
  const SThumb thumb = ScrollBarThumb(length, arrow, range);
  const int travel = length - 2 * arrow - thumb.length;
  if (thumb.length == 0 || travel <= 0) return range.min;
  const int offset = std::clamp(start - arrow, 0, travel);
  return range.min + (offset * (LastPos(range) - range.min) + travel / 2) / travel;
}
