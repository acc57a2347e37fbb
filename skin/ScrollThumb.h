// The thumb of the command list's skinned vertical bar: an 18-pixel strip
// with a 33-pixel head (cap and up arrow), a 46-pixel thumb and the down
// arrow at its foot.
#pragma once

// Top of the thumb for the list's scroll position out of `limit`, in a bar
// `height` pixels high whose top is at `top`.
int VerticalThumbTop(int top, int height, int position, int limit);
