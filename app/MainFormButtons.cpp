// The six button groups: the function each programmable button has in the
// current profile, choosing another one from the group's drop-down list,
// and the reset to what was last read from the mouse.
#include "app/FormIds.h"
#include "app/MainForm.h"
#include "config/ButtonFunction.h"
#include "config/RegisterMap.h"
#include "editions/Edition.h"

using namespace form_id;

namespace {

// The controls a group shows under its title in a mode; none when plain.
int ModeControl(int group, ButtonMode mode) {
  switch (mode) {
    case ButtonMode::Keyboard: return kGroupKeyField + group;
    case ButtonMode::Macro: return kGroupMacro + group;
    case ButtonMode::Script: return kGroupScript + group;
    case ButtonMode::Plain: break;
  }
  return 0;
}

}  // namespace

void CMainForm::BuildButtonGroups() {
  for (int group = 0; group < kGroupCount; ++group) {
    std::vector<std::wstring> items;
    for (int k = 0; k < ListItemCount(group); ++k) items.push_back(ListItemText(*EntryOfListIndex(group, k)));
    view_->SetListItems(kGroupLists + group, items);
    view_->SetControlText(kGroupTitles + group, L"");
    view_->ShowControl(kGroupLists + group, false);
  }
}

void CMainForm::ShowModeControls(int group, ButtonMode mode, bool show) {
  if (int id = ModeControl(group, mode)) view_->ShowControl(id, show);
  if (mode == ButtonMode::Keyboard) view_->ShowControl(kGroupKeyClear + group, show);
}

void CMainForm::ShowButtonFunction(int group, int listIndex) {
  if (group < 0 || group >= kGroupCount || listIndex < 0 || listIndex > 38) return;
  if (!view_->SelectListItem(kGroupLists + group, listIndex)) {
    view_->SetControlText(kGroupTitles + group, L"");
    return;
  }
  const int entry = *EntryOfListIndex(group, listIndex);
  const ButtonMode mode = ModeOfEntry(entry);
  ButtonGroupState& state = groups_[static_cast<std::size_t>(group)];
  state.listIndex = listIndex;
  if (mode != state.mode) {
    ShowModeControls(group, state.mode, false);
    state.mode = mode;
    view_->ShowButtonGroupMode(group, static_cast<int>(mode));
    ShowModeControls(group, mode, true);
    if (mode == ButtonMode::Keyboard) view_->FocusControl(kGroupKeyField + group);
  }
  view_->EnableControl(kGroupLists + group, true);
  view_->EnableControl(kGroupTitles + group, true);
  if (int id = ModeControl(group, mode)) view_->EnableControl(id, true);
  view_->SetControlText(kGroupTitles + group, Text(ButtonFunctions()[entry].text));
}

void CMainForm::RefreshButtonGroups() {
  keyFields_.SetProfile(currentProfile_);
  for (int group = 0; group < kGroupCount; ++group) {
    if (currentProfile_ == 0) {
      const int entry = kStandardProfileFunctions[static_cast<std::size_t>(group)];
      ShowButtonFunction(group, ListIndexOfEntry(group, entry).value_or(-1));
      continue;
    }
    auto value = [&](int reg) { return static_cast<std::uint8_t>(protocol_.Entry(reg).value); };
    const int p = currentProfile_;
    const int k = DecodeButtonFunction(
        group, value(FunctionCodeRegister(p, group)), value(ParameterRegister(p, group, 0)),
        value(ParameterRegister(p, group, 1)), value(ParameterRegister(p, group, 2)),
        value(ParameterRegister(p, group, 3)));
    if (k >= 0) ShowButtonFunction(group, k);
  }
}

void CMainForm::MarkButtonsChanged() {
  const std::size_t p = Slot(currentProfile_);
  buttonsChanged_[p] = true;
  unsaved_[p] = true;
  view_->EnableControl(kButtonsReset, true);
  view_->EnableControl(kApply, true);
  view_->EnableControl(kDone, true);
}

void CMainForm::StoreButtonChoice(int group) {
  if (!IsCustomProfile(currentProfile_) || group < 0 || group >= kGroupCount) return;
  const int listIndex = view_->ListSelection(kGroupLists + group);
  const auto encoding = EncodeButtonFunction(group, listIndex);
  if (!encoding) return;
  const int p = currentProfile_;
  const int codeRegister = FunctionCodeRegister(p, group);
  protocol_.SetCachedValue(codeRegister, encoding->code);
  std::array<bool, 4> parameterChanged{};
  const bool keepParameters = IsPlainKeyCombination(*EntryOfListIndex(group, listIndex));
  for (int i = 0; i < 4; ++i) {
    const int reg = ParameterRegister(p, group, i);
    if (!keepParameters) protocol_.SetCachedValue(reg, encoding->parameters[static_cast<std::size_t>(i)]);
    parameterChanged[static_cast<std::size_t>(i)] = protocol_.Entry(reg).changed;
  }
  if (ButtonChoiceMarksProfile(encoding->code, protocol_.Entry(codeRegister).changed,
                               parameterChanged))
    MarkButtonsChanged();
}

// A field writing a combination leaves the profile unsaved.
void CMainForm::ButtonSettingsChanged(int profile) {
  unsaved_[Slot(profile)] = true;
  if (profile == currentProfile_) view_->EnableControl(kApply, true);
}

void CMainForm::ClearKeyField(int group) {
  if (keyFields_.SelectField(group)) keyFields_.ClearField(true);
}

void CMainForm::OnFunctionChosen(int group) {
  if (group < 0 || group >= kGroupCount) return;
  const int listIndex = view_->ListSelection(kGroupLists + group);
  ShowFunctionList(group, false);
  ShowButtonFunction(group, listIndex);
  if (EntryOfListIndex(group, listIndex) == kKeyboardEntry) ClearKeyField(group);
  keyFields_.SetProfile(currentProfile_);
  StoreButtonChoice(group);
}

void CMainForm::OnKeyClear(int group) {
  if (group >= 0 && group < kGroupCount) ClearKeyField(group);
}

void CMainForm::ShowFunctionList(int group, bool show) {
  if (group < 0 || group >= kGroupCount) return;
  view_->ShowControl(kGroupLists + group, show);
  if (int id = ModeControl(group, groups_[static_cast<std::size_t>(group)].mode))
    view_->EnableControl(id, !show);
  for (int id : ControlsCoveredByList(group)) {
    const bool enable = !show && (id != kApply || unsaved_[Slot(currentProfile_)]);
    view_->EnableControl(id, enable);
  }
  if (show) view_->FocusControl(kGroupLists + group);
  openGroup_ = show ? group : -1;
}

void CMainForm::SetListOpen(int group, bool open) {
  if (!open) {
    if (openGroup_ == group) ShowFunctionList(group, false);
    return;
  }
  if (openGroup_ == group) {
    ShowFunctionList(group, false);
    return;
  }
  if (openGroup_ >= 0) ShowFunctionList(openGroup_, false);
  ShowFunctionList(group, true);
}

void CMainForm::OnLeftButtonUp() {
  if (openGroup_ >= 0) ShowFunctionList(openGroup_, false);
}

void CMainForm::ResetButtonsToPrevious() {
  if (!IsCustomProfile(currentProfile_)) return;
  BeginModalBox();
  const int answer = view_->RunBox(box_kind::kResetQuestion, Text(IDS_REVERT_QUESTION), 0);
  EndModalBox();
  if (answer != 1) return;
  keyFields_.SetProfile(currentProfile_);
  const auto entries = previous_.Entries(currentProfile_);
  for (std::size_t i = kFirstButtonEntry; i < entries.size(); ++i)
    protocol_.SetCachedValue(entries[i].reg, entries[i].value);
  SelectProfile(currentProfile_, false);
  const std::size_t p = Slot(currentProfile_);
  buttonsChanged_[p] = false;
  unsaved_[p] = true;
  view_->EnableControl(kButtonsReset, false);
  view_->EnableControl(kApply, true);
  view_->EnableControl(kDone, true);
}
