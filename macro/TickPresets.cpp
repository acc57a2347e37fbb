#include "macro/TickPresets.h"

int TickPresetIndexOf(int units) {
  for (int i = 0; i < kTickPresetCount; ++i)
    if (kTickPresets[i].units == units) return i;
  return 0;
}

int TickUnitsOf(int presetIndex) {
  if (presetIndex < 0 || presetIndex >= kTickPresetCount) return 1;
  return kTickPresets[presetIndex].units;
}

int ModeIndexOfByte(std::uint8_t modeByte) {
  const int mode = (modeByte >> 4) & 7;
  for (int i = 0; i < 3; ++i)
    if (kModes[i] == mode) return i;
  return 0;
}

std::uint8_t ModeByteOf(int modeIndex) {
  const int mode = modeIndex >= 0 && modeIndex < 3 ? kModes[modeIndex] : kModeLoop;
  return std::uint8_t((mode & 7) << 4);
}
