// The four profiles: which one is shown, applying one and making it the
// mouse's active profile, and putting one back to its factory values.
#include "app/FormIds.h"
#include "app/FileAssociation.h"
#include "app/MainForm.h"
#include "config/RegisterMap.h"
#include "editions/Edition.h"

namespace {

constexpr Clock::Duration kPause{10};

}  // namespace

int CMainForm::SelectProfile(int index, bool skipIfCurrent) {
  if (skipIfCurrent && index == currentProfile_) return 1;
  if (index < 0 || index > 3) return 0;
  view_->PressProfileTab(index);
  const bool wasStandard = currentProfile_ == 0;
  looksView_->DrawProfileName(false);
  SetCurrentProfile(index);
  const std::size_t p = Slot(index);
  view_->EnableControl(form_id::kSensitivityReset, sensitivityChanged_[p]);
  view_->EnableControl(form_id::kButtonsReset, index != 0 && buttonsChanged_[p]);
  const bool standard = index == 0;
  if (standard != wasStandard || previousProfile_ == 6) {
    view_->ShowControl(form_id::kPencil, !standard);
    for (int group = 0; group < 6; ++group) {
      view_->EnableControl(form_id::kGroupTitles + group, !standard);
      view_->EnableControl(form_id::kGroupLists + group, !standard);
    }
  }
  if (openGroup_ >= 0) {
    ShowFunctionList(openGroup_, false);
  } else {
    view_->EnableControl(form_id::kApply, unsaved_[p]);
  }
  return 1;
}

int CMainForm::SetCurrentProfile(int index) {
  if (index < 0 || index > 3) return 0;
  if (index != currentProfile_) {
    looksView_->DrawProfileName(false);
    previousProfile_ = currentProfile_;
    currentProfile_ = index;
    looksView_->DrawProfileName(IsCustomProfile(index));
  }
  const std::wstring picture = looks_.PictureName(index);
  if (IsCustomProfile(index) && !picture.empty()) {
    looksView_->ShowBigPreview(looks_.GetProfilePicturePath(index));
  } else {
    looksView_->ShowDefaultBigPicture(index == 0 ? kStandardProfilePicture : kCustomProfilePicture);
  }
  ShowSensitivity();
  RefreshButtonGroups();
  return 1;
}

void CMainForm::ApplyProfile() {
  if (busy_) return;
  int count = 0;
  if (!StartSaveProfile(count)) return;
  if (count < 15) {
    ActivateProfile();
    ShowSensitivity();
    return;
  }
  const int result = view_->RunBox(box_kind::kSaving, L"", count);
  if (result == 2) {
    StopAllTimers();
    SendControlAfterPause(6, 3, 3);
    EndModalBox();
  } else {
    ActivateProfile();
  }
  ShowSensitivity();
}

void CMainForm::ActivateProfile() {
  unsaved_[Slot(currentProfile_)] = false;
  view_->EnableControl(form_id::kApply, false);
  StoreStartupProfileIfChanged();
  // Bits 0..1 name the active profile and bit 4 marks an apply; the
  // profile flags in bits 5..7 and bits 2..3 are the mouse's to keep.
  const int kept = protocol_.Entry(kProfileRegister).value & 0xEC;
  protocol_.WriteThrough(kProfileRegister, currentProfile_ + 0x10 + kept);
  clock_->Sleep(kPause);
  protocol_.SendControl(0, 0, 0);
}

void CMainForm::RestoreFactoryProfile() {
  BeginModalBox();
  const int answer = view_->RunBox(box_kind::kChange, Text(IDS_FACTORY_QUESTION), 0);
  EndModalBox();
  if (answer == 2) return;
  looksView_->DrawProfileName(false);
  looks_.ResetProfilePicture(currentProfile_, true);
  looksView_->DrawProfileName(true);
  if (!StartFactoryRestore()) return;

  BeginModalBox();
  busyAnimation_ = 0;
  view_->SetTimer(timer_id::kBusyAnimation, timer_id::kBusyAnimationPeriodMs);
  const int result = view_->RunBox(box_kind::kResetting, L"", 8);
  view_->KillTimer(timer_id::kBusyAnimation);
  protocol_.SendControl(6, 3, 3);
  if (result == 1) {
    SelectProfile(currentProfile_, false);
    unsaved_[Slot(currentProfile_)] = false;
    view_->EnableControl(form_id::kApply, false);
    view_->EnableControl(form_id::kDone, true);
  } else {
    view_->KillTimer(timer_id::kFactoryRestore);
  }
  EndModalBox();
  looksView_->DrawProfileName(true);
}

int CMainForm::StartFactoryRestore() {
  if (currentProfile_ < 0 || currentProfile_ > 3) return 0;
  if (!connected_) {
    view_->ShowStopMessage(Text(IDS_NO_MOUSE));
    return 0;
  }
  if (busy_) {
    view_->ShowStopMessage(Text(IDS_PLEASE_WAIT));
    return 0;
  }
  PrepareTransfer();
  for (const ProfileEntry& entry : factory_.Entries(currentProfile_))
    protocol_.SetCachedValue(entry.reg, entry.value);
  transferPosition_ = 0;
  busy_ = true;
  indicatorCursor_ = 0;
  protocol_.SendControl(6, 3, 0);
  view_->SetTimer(timer_id::kFactoryRestore, timer_id::kStepPeriodMs);
  return 1;
}

int CMainForm::FactoryRestoreStep() {
  view_->KillTimer(timer_id::kFactoryRestore);
  if (currentProfile_ < 0 || currentProfile_ > 3) return 0;
  const auto entries = factory_.Entries(currentProfile_);
  const int count = static_cast<int>(entries.size());
  if (transferPosition_ < count) {
    if (protocol_.CommitRegister(entries[static_cast<std::size_t>(transferPosition_)].reg) != 1) {
      view_->CloseBox(2);
      return 0;
    }
    ++transferPosition_;
    if (transferPosition_ < count) {
      IndicatorStep();
      view_->SetTimer(timer_id::kFactoryRestore, timer_id::kStepPeriodMs);
      return 1;
    }
  }
  protocol_.SendControl(6, 3, 3);
  AfterWriteCommit();
  view_->CloseBox(1);
  return 1;
}

void CMainForm::EditProfileNameAndPicture() {
  if (!IsCustomProfile(currentProfile_)) return;
  BeginModalBox();
  const auto edit = view_->RunProfileEditBox(looks_.Name(currentProfile_),
                                              looks_.GetProfilePicturePath(currentProfile_));
  EndModalBox();
  if (!edit) return;
  looks_.SetProfileName(currentProfile_, edit->name);
  if (!edit->picturePath.empty())
    looks_.SetProfilePicture(currentProfile_, FileNameOf(edit->picturePath), edit->picturePath);
  // Name and picture count as sensitivity changes: that reset brings them back.
  MarkSensitivityChanged();
  looksView_->DrawProfileName(true);
}

void CMainForm::ShowModeSwitcherInfo() {
  BeginModalBox();
  view_->RunModeSwitcherBox({looks_.Name(0), looks_.Name(1), looks_.Name(2), looks_.Name(3)});
  EndModalBox();
}
