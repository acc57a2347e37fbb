#include "skin/ButtonStates.h"

SSize StateImageSize(SSize strip, bool stacked) {
  return stacked ? SSize{strip.width, strip.height / 4} : SSize{strip.width / 4, strip.height};
}

int HoverButtonState(bool pressed, bool hover, bool enabled) {
  if (pressed) return kStatePressed;
  if (hover) return kStateHover;
  return enabled ? kStateNormal : kStateDisabled;
}

int ProfileTabState(bool pressed, bool hover, bool selected, bool enabled) {
  if (pressed) return kStatePressed;
  if (hover) return selected ? kStatePressed : kStateHover;
  if (selected) return kStatePressed;
  return enabled ? kStateNormal : kStateDisabled;
}

int SkinButtonState(bool enabled, bool pressed, bool checked, bool hover) {
  if (!enabled) return kStateDisabled;
  if (pressed || checked) return kStatePressed;
  return hover ? kStateHover : kStateNormal;
}
