// The sensitivity controls of the settings page: per level an X and a Y
// slider with an edit, and the two level buttons with their pictures.
#pragma once

#include <optional>

#include "config/Sensitivity.h"

struct SensitivityControl {
  int level;  // 0 or 1
  SensitivityAxis axis;
  int slider;
  int edit;
};

// The control behind an edit (1029..1032) or a slider (1025..1028).
std::optional<SensitivityControl> SensitivityControlOfEdit(int id);
std::optional<SensitivityControl> SensitivityControlOfSlider(int id);

inline constexpr int kLevelButtons[2] = {1023, 1024};

// The picture of a level button (0 or 1) when its level is active or not.
inline constexpr int LevelButtonPicture(int level, bool active) {
  return 225 + 2 * level + (active ? 1 : 0);
}
