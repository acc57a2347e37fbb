// Which state image of a four-state picture strip a picture button shows,
// and how big one state image is. State images: 0 normal, 1 pressed,
// 2 hover, 3 disabled.
#pragma once

struct SSize {
  int width = 0;
  int height = 0;
  bool operator==(const SSize&) const = default;
};

inline constexpr int kStateNormal = 0;
inline constexpr int kStatePressed = 1;
inline constexpr int kStateHover = 2;
inline constexpr int kStateDisabled = 3;

// A strip holds four equal images side by side, or stacked.
SSize StateImageSize(SSize strip, bool stacked);

int HoverButtonState(bool pressed, bool hover, bool enabled);

// Profile tabs: the selected tab looks pressed, also under the mouse.
int ProfileTabState(bool pressed, bool hover, bool selected, bool enabled);

// Skin buttons drawn from separate pictures: a disabled button shows its
// disabled picture even when pressed or checked, and a checked one stays down.
int SkinButtonState(bool enabled, bool pressed, bool checked, bool hover);
