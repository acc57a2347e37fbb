// The thumb of the command list's skinned vertical bar: an 18-pixel strip
// with a 33-pixel head (cap and up arrow), a 46-pixel thumb and the down
// arrow at its foot.
#pragma once

inline constexpr int kBarHead = 33;        // cap 18 + up arrow 15
inline constexpr int kBarArrow = 15;
inline constexpr int kBarThumb = 46;
inline constexpr int kBarGrip = 23;        // the thumb is dragged by its middle

// Top of the thumb for the list's scroll position out of `limit`, in a bar
// `height` pixels high whose top is at `top`.
int VerticalThumbTop(int top, int height, int position, int limit);

enum class BarPart { UpArrow, DownArrow, Thumb, Track };

// What lies under y in a bar of `height` whose thumb starts at `thumbTop`;
// the cap above the up arrow counts as track.
BarPart VerticalBarPartAt(int height, int thumbTop, int y);

// Where a dragged thumb lands for the mouse at y: its middle under the
// mouse, within the travel.
int DraggedThumbTop(int height, int y);

// Rows to scroll so that the list's position matches a thumb dragged to
// `thumbTop` (negative: up).
int RowsForThumb(int height, int thumbTop, int position, int limit);
