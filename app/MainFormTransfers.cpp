// Moving registers between the cache and the mouse: the load at connect
// time and the saves, one register per 10 ms tick with progress, or at once
// when fewer than 15 registers are to be written.
#include <algorithm>
#include <vector>

#include "app/FormIds.h"
#include "app/MainForm.h"
#include "config/ActivityIndicator.h"
#include "config/LoadList.h"
#include "config/RegisterMap.h"
#include "config/UploadArea.h"
#include "editions/Edition.h"

namespace {

constexpr int kDirectWriteLimit = 15;
constexpr Clock::Duration kSettlePause{40};
constexpr Clock::Duration kWritePause{10};

// The registers a profile save goes through: the command bytes of the
// profile's macro areas, then its table, whose macro lengths, modes and
// ticks make those bytes count. An edit the user declined leaves bytes and
// length marked changed together; the bytes go first so that a save failing
// half-way never leaves a new length over old bytes in the mouse.
std::vector<int> ProfileSaveRegisters(const CProfileTable& table, int profile) {
  std::vector<int> registers = MacroDataRegisters(profile);
  for (const ProfileEntry& e : table.Entries(profile)) registers.push_back(e.reg);
  return registers;
}

}  // namespace

void CMainForm::PrepareTransfer() {
  protocol_.SendControl(5, 0, 0);
  clock_->Sleep(kSettlePause);
}

void CMainForm::IndicatorStep() {
  const auto step = NextIndicatorStep(indicatorCursor_);
  if (step.switchOff) protocol_.SendControl(6, 0, *step.switchOff);
  if (step.switchOn) protocol_.SendControl(6, 1, *step.switchOn);
  indicatorCursor_ = step.cursor;
}

void CMainForm::AfterWriteCommit() {
  if (connected_) protocol_.SendControl(0, 0, 0);
}

// --- load ------------------------------------------------------------------

int CMainForm::StartLoadConfiguration() {
  if (!connected_) {
    view_->ShowStopMessage(Text(IDS_NO_MOUSE));
    return 0;
  }
  if (page_ != 2) SetPage(2);
  view_->SetProgressRange(form_id::kLoadProgress, kLoadListCount);
  view_->ShowControl(form_id::kLoadProgress, true);
  transferPosition_ = 0;
  PrepareTransfer();
  indicatorCursor_ = 0;
  protocol_.SendControl(6, 3, 0);
  int value = 0;
  if (!protocol_.ReadRegister(kLoadList[0], value)) {
    FailLoad();
    return 0;
  }
  protocol_.StoreReadValue(kLoadList[0], value);
  transferPosition_ = 1;
  view_->SetProgressPosition(form_id::kLoadProgress, 1);
  view_->SetTimer(timer_id::kLoadConfig, timer_id::kStepPeriodMs);
  busy_ = true;
  return 1;
}

void CMainForm::FailLoad() {
  protocol_.SendControl(6, 3, 3);
  view_->ShowStopMessage(Text(IDS_LOAD_CONFIG_FAILED));
  view_->ShowControl(form_id::kLoadProgress, false);
  busy_ = false;
}

int CMainForm::LoadConfigurationStep() {
  view_->KillTimer(timer_id::kLoadConfig);
  if (transferPosition_ >= kLoadListCount) return 0;
  const int address = kLoadList[static_cast<std::size_t>(transferPosition_)];
  int value = 0;
  if (!protocol_.ReadRegister(address, value)) {
    FailLoad();
    return 0;
  }
  protocol_.StoreReadValue(address, value);
  ++transferPosition_;
  if (transferPosition_ < kLoadListCount) {
    busy_ = true;
    IndicatorStep();
    view_->SetProgressPosition(form_id::kLoadProgress, transferPosition_);
    view_->SetTimer(timer_id::kLoadConfig, timer_id::kStepPeriodMs);
    return 1;
  }
  protocol_.SendControl(6, 3, 3);
  busy_ = false;
  view_->ShowControl(form_id::kLoadProgress, false);
  FinishLoad();
  return 1;
}

void CMainForm::FinishLoad() {
  sensitivitySwap_ = (protocol_.Entry(kOptionRegister).value & kSensitivitySwapBit) != 0;
  ApplySensitivityGeneration();
  looks_.ApplyProfileLooks();
  unsaved_ = {};
  sensitivityChanged_ = {};
  buttonsChanged_ = {};
  if (page_ != 3) SetPage(3);
  EnableFormControls(true);
  SelectProfile(startupProfile_, false);
  SnapshotPreviousValues();
}

void CMainForm::SnapshotPreviousValues() {
  for (int profile = 0; profile < kProfileCount; ++profile) {
    const auto entries = previous_.Entries(profile);
    for (std::size_t i = 0; i < entries.size(); ++i) {
      const auto value = protocol_.Entry(entries[i].reg).value;
      previous_.SetValue(profile, static_cast<int>(i), static_cast<std::uint8_t>(value));
    }
  }
}

// --- saves -----------------------------------------------------------------

// A register beyond the controller's count is a failed write; an unchanged
// one succeeds without a transfer.
bool CMainForm::CommitForSave(int address) {
  if (address >= protocol_.RegisterCount()) return false;
  return protocol_.CommitRegister(address) == 1;
}

int CMainForm::NextChangedInLoadList() {
  for (; transferPosition_ < kLoadListCount; ++transferPosition_) {
    if (protocol_.Entry(kLoadList[static_cast<std::size_t>(transferPosition_)]).changed) return 1;
  }
  return 0;
}

int CMainForm::NextChangedInProfile() {
  const auto registers = ProfileSaveRegisters(previous_, currentProfile_);
  for (; transferPosition_ < static_cast<int>(registers.size()); ++transferPosition_) {
    if (protocol_.Entry(registers[static_cast<std::size_t>(transferPosition_)]).changed) return 1;
  }
  return 0;
}

int CMainForm::CountChangedInProfile() const {
  const auto registers = ProfileSaveRegisters(previous_, currentProfile_);
  return static_cast<int>(std::count_if(registers.begin(), registers.end(),
                                        [&](int r) { return protocol_.Entry(r).changed; }));
}

void CMainForm::FailSave() {
  protocol_.SendControl(6, 3, 3);
  view_->ShowStopMessage(Text(IDS_SAVE_CONFIG_FAILED));
  EndModalBox();
}

int CMainForm::SaveAllChanges(int& count) {
  if (!connected_) {
    view_->ShowStopMessage(Text(IDS_NO_MOUSE));
    return 0;
  }
  transferCount_ = kLoadListCount;
  transferPosition_ = 0;
  PrepareTransfer();
  indicatorCursor_ = 0;
  protocol_.SendControl(6, 3, 0);
  count = static_cast<int>(std::count_if(kLoadList.begin(), kLoadList.end(),
                                         [&](int r) { return protocol_.Entry(r).changed; }));
  if (count < kDirectWriteLimit) {
    int result = 0;
    for (int i = 0; i < count; ++i) {
      if (NextChangedInLoadList())
        result = CommitForSave(kLoadList[static_cast<std::size_t>(transferPosition_)]) ? 1 : 0;
      clock_->Sleep(kWritePause);
    }
    protocol_.SendControl(6, 3, 3);
    protocol_.SendControl(0, 0, 0);
    return result;
  }
  if (!CommitForSave(kLoadList[0])) {
    FailSave();
    return 0;
  }
  view_->SetTimer(timer_id::kSaveAll, timer_id::kStepPeriodMs);
  BeginModalBox();
  return 1;
}

void CMainForm::EndTimedWrite(int boxResult) {
  view_->CloseBox(boxResult);
  EndModalBox();
}

int CMainForm::SaveAllChangesStep() {
  view_->KillTimer(timer_id::kSaveAll);
  if (!NextChangedInLoadList()) {
    EndTimedWrite(1);
    AfterWriteCommit();
    return 1;
  }
  if (!CommitForSave(kLoadList[static_cast<std::size_t>(transferPosition_)])) {
    protocol_.SendControl(6, 3, 3);
    view_->ShowStopMessage(Text(IDS_SAVE_CONFIG_FAILED));
    EndTimedWrite(2);
    return 0;
  }
  view_->SetBoxProgress(transferPosition_);
  IndicatorStep();
  view_->SetTimer(timer_id::kSaveAll, timer_id::kStepPeriodMs);
  return 1;
}

// The transfer count is the number of registers this save writes: the
// progress box counts them as they go.
int CMainForm::StartSaveProfile(int& count) {
  if (!connected_) {
    view_->ShowStopMessage(Text(IDS_NO_MOUSE));
    return 0;
  }
  if (currentProfile_ < 0 || currentProfile_ > 3) return 0;
  transferPosition_ = 0;
  PrepareTransfer();
  count = CountChangedInProfile();
  transferCount_ = count;
  const auto registers = ProfileSaveRegisters(previous_, currentProfile_);
  if (count < kDirectWriteLimit) {
    for (int i = 0; i < count; ++i) {
      if (!NextChangedInProfile()) continue;
      if (protocol_.CommitRegister(registers[static_cast<std::size_t>(transferPosition_)]) != 1)
        return 0;
      clock_->Sleep(kWritePause);
    }
    return 1;
  }
  indicatorCursor_ = 0;
  protocol_.SendControl(6, 3, 0);
  if (protocol_.CommitRegister(registers[0]) != 1) {
    FailSave();
    return 0;
  }
  view_->SetTimer(timer_id::kSaveProfile, timer_id::kStepPeriodMs);
  BeginModalBox();
  return 1;
}

int CMainForm::SaveProfileStep() {
  view_->KillTimer(timer_id::kSaveProfile);
  if (currentProfile_ < 0 || currentProfile_ > 3) return 0;
  const auto registers = ProfileSaveRegisters(previous_, currentProfile_);
  if (!NextChangedInProfile()) {
    EndTimedWrite(1);
    return 1;
  }
  if (protocol_.CommitRegister(registers[static_cast<std::size_t>(transferPosition_)]) == 1) {
    view_->SetBoxProgress(transferCount_ - CountChangedInProfile());
    IndicatorStep();
    view_->SetTimer(timer_id::kSaveProfile, timer_id::kStepPeriodMs);
    return 1;
  }
  protocol_.SendControl(6, 3, 3);
  view_->ShowStopMessage(Text(IDS_SAVE_CONFIG_FAILED));
  EndTimedWrite(2);
  return 0;
}
