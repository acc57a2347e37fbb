// Where the thumb of a skinned scroll bar sits and what a press hits,
// along the bar's axis in pixels: an arrow at each end, the track between,
// the thumb as long as the visible part of the range is of the whole.
#pragma once

struct SScrollRange {
  int min = 0;
  int max = 0;
  int page = 0;
  int pos = 0;
  bool operator==(const SScrollRange&) const = default;
};

struct SThumb {
  int start = 0;
  int length = 0;  // 0: nothing to scroll, no thumb
  bool operator==(const SThumb&) const = default;
};

enum class ScrollHit { LineUp, PageUp, Thumb, PageDown, LineDown };

inline constexpr int kMinThumb = 12;

// `length` of the bar and `arrow` the size of each arrow along it.
SThumb ScrollBarThumb(int length, int arrow, const SScrollRange& range);
ScrollHit ScrollBarHit(int length, int arrow, const SThumb& thumb, int at);
// The position for a thumb dragged to start at `start`.
int ScrollPosForThumb(int length, int arrow, const SScrollRange& range, int start);
