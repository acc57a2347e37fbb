#include "config/SensitivityControls.h"

namespace {

constexpr int kFirstSlider = 1025;
constexpr int kFirstEdit = 1029;

// Sliders and edits run level 1 X, level 2 X, level 1 Y, level 2 Y.
std::optional<SensitivityControl> ControlAt(int offset) {
  if (offset < 0 || offset > 3) return std::nullopt;
  const SensitivityAxis axis = offset < 2 ? SensitivityAxis::X : SensitivityAxis::Y;
  return SensitivityControl{offset % 2, axis, kFirstSlider + offset, kFirstEdit + offset};
}

}  // namespace

std::optional<SensitivityControl> SensitivityControlOfEdit(int id) {
  return ControlAt(id - kFirstEdit);
}

std::optional<SensitivityControl> SensitivityControlOfSlider(int id) {
  return ControlAt(id - kFirstSlider);
}
