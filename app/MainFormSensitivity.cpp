// The sensitivity panel: two levels per profile, an X and a Y value per
// level, shown as sliders and edits and kept in the register cache in the
// encoding of the controller generation.
#include <algorithm>
#include <string>

#include "app/FormIds.h"
#include "app/MainForm.h"
#include "config/RegisterMap.h"
#include "config/SensitivityControls.h"
#include "editions/Edition.h"

namespace {

// Slider/edit slot 0..3: level 1 X, level 2 X, level 1 Y, level 2 Y.
SensitivityAxis AxisOfSlot(int slot) { return slot < 2 ? SensitivityAxis::X : SensitivityAxis::Y; }
int LevelOfSlot(int slot) { return slot % 2; }
int SliderOf(int slot) { return form_id::kFirstSlider + slot; }
int EditOf(int slot) { return form_id::kFirstSensitivityEdit + slot; }

}  // namespace

void CMainForm::ShowLevelPictures(int level) {
  if (level != 0 && level != 1) return;
  for (int button : {0, 1})
    view_->SetControlPicture(kLevelButtons[button], LevelButtonPicture(button, button == level));
}

void CMainForm::ShowSensitivity() {
  const SensitivityRegisters regs = SensitivityRegistersOf(currentProfile_);
  const auto level = ActiveSensitivityLevel(
      static_cast<std::uint8_t>(protocol_.Entry(regs.level).value));
  if (level) {
    ShowLevelPictures(*level);
    currentLevel_ = *level;
    ApplyLevelEnable(true);
  }
  const int step = SensitivityStep(generation_);
  const int highest = HighestSensitivityIndex(generation_);
  for (int level : {0, 1}) {
    for (int slot : {level, level + 2}) {
      const SensitivityTarget target =
          SensitivityTargetOf(currentProfile_, sensitivitySwap_, AxisOfSlot(slot), LevelOfSlot(slot));
      const int index = DecodeSensitivity(
          generation_, target.group, static_cast<std::uint8_t>(protocol_.Entry(target.reg).value));
      view_->SetSliderPosition(SliderOf(slot), std::clamp(index, 0, highest));
      view_->SetControlText(EditOf(slot), std::to_wstring(index * step));
    }
  }
  view_->SetTimer(timer_id::kLevelRefresh, timer_id::kStepPeriodMs);
}

void CMainForm::ApplyLevelEnable(bool enable) {
  if (currentLevel_ != 0 && currentLevel_ != 1) return;
  const int state = currentLevel_ * 2 + (enable ? 1 : 0);
  if (state == appliedLevelState_) return;
  appliedLevelState_ = state;
  for (int slot = 0; slot < form_id::kSensitivityControls; ++slot) {
    const bool active = LevelOfSlot(slot) == currentLevel_ && enable;
    view_->EnableControl(SliderOf(slot), active);
    view_->SetReadOnly(EditOf(slot), !active);
  }
}

void CMainForm::MarkSensitivityChanged() {
  const std::size_t p = Slot(currentProfile_);
  sensitivityChanged_[p] = true;
  unsaved_[p] = true;
  view_->EnableControl(form_id::kSensitivityReset, true);
  view_->EnableControl(form_id::kApply, true);
  view_->EnableControl(form_id::kDone, true);
}

void CMainForm::SetSensitivityLevel(int level, bool store) {
  ShowLevelPictures(level);
  if (level != 0 && level != 1) return;
  currentLevel_ = level;
  ApplyLevelEnable(true);
  if (!store) return;
  const int reg = SensitivityRegistersOf(currentProfile_).level;
  const auto cached = static_cast<std::uint8_t>(protocol_.Entry(reg).value);
  protocol_.SetCachedValue(reg, LevelRegisterValue(cached, level));
  if (protocol_.Entry(reg).changed) MarkSensitivityChanged();
}

// Stores the index of the edit's register; a changed register moves the
// slider and marks the profile.
void CMainForm::StoreSensitivityIndex(int edit, int index) {
  const int slot = edit - form_id::kFirstSensitivityEdit;
  const SensitivityTarget target =
      SensitivityTargetOf(currentProfile_, sensitivitySwap_, AxisOfSlot(slot), LevelOfSlot(slot));
  protocol_.SetCachedValue(target.reg, EncodeSensitivity(generation_, target.group, index));
  if (!protocol_.Entry(target.reg).changed) return;
  view_->SetSliderPosition(SliderOf(slot), index);
  MarkSensitivityChanged();
}

void CMainForm::OnSensitivityEdit(int id) {
  const int slot = id - form_id::kFirstSensitivityEdit;
  if (slot < 0 || slot >= form_id::kSensitivityControls) return;
  const SensitivityEditResult result = ReadSensitivityEdit(view_->ControlText(id), generation_);
  if (result.rangeError) {
    BeginModalBox();
    view_->RunBox(box_kind::kInformation, Text(IDS_SENSITIVITY_RANGE), 0);
    EndModalBox();
    view_->SetControlText(id, L"");
    view_->FocusControl(id);
    return;
  }
  if (result.index.rewrite) {
    view_->SetControlText(id, *result.index.rewrite);
    view_->SetCaretToEnd(id);
  }
  StoreSensitivityIndex(id, result.index.index);
}

void CMainForm::OnSensitivitySlider(int id) {
  if (busy_ || !connected_) return;
  const int slot = id - form_id::kFirstSlider;
  if (slot < 0 || slot >= form_id::kSensitivityControls) return;
  const int edit = EditOf(slot);
  const int position = view_->SliderPosition(id);
  view_->FocusControl(edit);
  view_->SetControlText(edit, std::to_wstring(position * SensitivityStep(generation_)));
  view_->SetCaretToEnd(edit);
  StoreSensitivityIndex(edit, position);
}

void CMainForm::ResetSensitivityToPrevious() {
  if (currentProfile_ < 0 || currentProfile_ > 3) return;
  BeginModalBox();
  const int answer = view_->RunBox(box_kind::kResetQuestion, Text(IDS_REVERT_QUESTION), 0);
  EndModalBox();
  if (answer != 1) return;
  if (IsCustomProfile(currentProfile_)) looks_.RevertProfileLooks(currentProfile_);
  const auto entries = previous_.Entries(currentProfile_);
  for (std::size_t i = 0; i < kSensitivityEntries && i < entries.size(); ++i)
    protocol_.SetCachedValue(entries[i].reg, entries[i].value);
  ShowSensitivity();
  sensitivityChanged_[Slot(currentProfile_)] = false;
  view_->EnableControl(form_id::kSensitivityReset, false);
}

void CMainForm::ApplySensitivityGeneration() {
  const SensitivityGeneration type = protocol_.ControllerType();
  if (type == generation_) return;
  generation_ = type;
  factory_.SetSensitivityFactoryValues(generation_);
  previous_.SetSensitivityFactoryValues(generation_);
  for (int slot = 0; slot < form_id::kSensitivityControls; ++slot)
    view_->SetSliderRange(SliderOf(slot), HighestSensitivityIndex(generation_));
}
