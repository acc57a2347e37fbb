// Carrying a whole profile between the mouse and the cache: the register
// list of a profile (its buttons, sensitivity, macro areas and the scripts
// its buttons run), read one register per tick for an export and written
// one per tick after an import, the bytes of its macros and scripts before
// the lengths that make them count.
#include <utility>

#include "app/FormIds.h"
#include "app/MainForm.h"
#include "config/ProfileFile.h"
#include "config/RegisterMap.h"
#include "config/ScriptMap.h"
#include "config/UploadArea.h"
#include "editions/Edition.h"

namespace {

constexpr int kMaxTransferList = 8192;

}  // namespace

int CMainForm::CheckDeviceReady() {
  const wchar_t* refusal = nullptr;
  if (currentProfile_ < 0 || currentProfile_ > 3) {
    refusal = Text(IDS_BAD_PROFILE);
  } else if (!connected_) {
    refusal = Text(IDS_NO_MOUSE);
  } else if (busy_) {
    refusal = Text(IDS_PLEASE_WAIT);
  }
  if (refusal == nullptr) return 1;
  view_->ShowStopMessage(refusal);
  return 0;
}

// Adds a script's header registers and, when its length fits, its data.
// The length comes from the mouse for an export (high byte first) and from
// the cache for an import. False when the length could not be read.
bool CMainForm::AddScriptToList(int script, bool fromMouse) {
  const ScriptRegisters& s = kScripts[static_cast<std::size_t>(script)];
  if (fromMouse && !ReadScriptLengths(script)) return false;
  for (int reg : {s.mode, s.lengthLow, s.lengthHigh, s.delayUnits}) transferList_.push_back(reg);
  const int length = protocol_.Entry(s.lengthLow).value + 256 * protocol_.Entry(s.lengthHigh).value;
  if (length > s.capacity) {
    view_->ShowStopMessage(Text(IDS_BAD_FORMAT));
    return true;
  }
  for (int i = 0; i < length; ++i) transferList_.push_back(s.dataStart + i);
  return true;
}

int CMainForm::BuildProfileTransferList(bool isImport) {
  transferList_.clear();
  const int p = currentProfile_;
  if (p < 0 || p > 3) return 0;
  if (p == 0) return 1;
  if (isImport) {
    for (int r = ButtonBlockBase(p); r < ButtonBlockBase(p) + kButtonBlockSize; ++r)
      transferList_.push_back(r);
    for (int r : SensitivityExtensionRegisters(p)) transferList_.push_back(r);
  }
  for (int i = 0; i < kMacroAreaSize * kMacroAreasPerProfile; ++i)
    transferList_.push_back(MacroBlockBase(p) + i);
  const std::uint8_t mask = ScriptMaskOf(p, [&](int reg) {
    return static_cast<std::uint8_t>(protocol_.Entry(reg).value);
  });
  for (int script = 0; script < kScriptCount; ++script) {
    if ((mask & (1 << script)) && !AddScriptToList(script, !isImport)) {
      view_->ShowStopMessage(Text(IDS_BAD_FORMAT));
      return 0;
    }
  }
  if (static_cast<int>(transferList_.size()) > kMaxTransferList) {
    view_->ShowStopMessage(Text(IDS_BAD_FORMAT));
    return 0;
  }
  return 1;
}

int CMainForm::StartReadRegisterList() {
  if (!CheckDeviceReady()) return 0;
  PrepareTransfer();
  if (!BuildProfileTransferList(false)) return 0;
  listPosition_ = 0;
  if (transferList_.empty()) return 1;
  busy_ = true;
  indicatorCursor_ = 0;
  protocol_.SendControl(6, 3, 0);
  view_->SetTimer(timer_id::kReadList, timer_id::kStepPeriodMs);
  return 1;
}

// Reads the register at the list position into the cache and moves on;
// false, staying put, when the read fails. Past the end there is nothing
// to read.
bool CMainForm::ReadListedRegister() {
  if (listPosition_ >= static_cast<int>(transferList_.size())) return true;
  const int reg = transferList_[static_cast<std::size_t>(listPosition_)];
  int value = 0;
  if (!protocol_.ReadRegister(reg, value)) return false;
  protocol_.StoreReadValue(reg, value);
  ++listPosition_;
  return true;
}

int CMainForm::ReadRegisterListStep() {
  view_->KillTimer(timer_id::kReadList);
  const int count = static_cast<int>(transferList_.size());
  if (!ReadListedRegister()) {
    view_->CloseBox(2);
    return 0;
  }
  if (listPosition_ < count) {
    IndicatorStep();
    view_->SetTimer(timer_id::kReadList, timer_id::kStepPeriodMs);
    return 1;
  }
  protocol_.SendControl(6, 3, 3);
  view_->CloseBox(1);
  return 1;
}

int CMainForm::StartWriteRegisterList() {
  if (!CheckDeviceReady()) return 0;
  PrepareTransfer();
  if (!BuildProfileTransferList(true)) return 0;
  transferList_ = DataRegistersFirst(std::move(transferList_));
  listPosition_ = 0;
  busy_ = true;
  indicatorCursor_ = 0;
  protocol_.SendControl(6, 3, 0);
  view_->SetTimer(timer_id::kWriteList, timer_id::kStepPeriodMs);
  return 1;
}

int CMainForm::WriteRegisterListStep() {
  view_->KillTimer(timer_id::kWriteList);
  const int count = static_cast<int>(transferList_.size());
  if (listPosition_ < count) {
    const int reg = transferList_[static_cast<std::size_t>(listPosition_)];
    if (reg >= protocol_.RegisterCount() || protocol_.CommitRegister(reg) != 1) {
      view_->CloseBox(2);
      return 0;
    }
    if (++listPosition_ < count) {
      IndicatorStep();
      view_->SetBoxProgress(listPosition_);
      view_->SetTimer(timer_id::kWriteList, timer_id::kStepPeriodMs);
      return 1;
    }
  }
  protocol_.SendControl(6, 3, 3);
  AfterWriteCommit();
  view_->CloseBox(1);
  return 1;
}

int CMainForm::ReadProfileForExport() {
  if (!StartReadRegisterList()) return 0;
  if (transferList_.empty()) return 1;
  BeginModalBox();
  busyAnimation_ = 0;
  view_->SetTimer(timer_id::kBusyAnimation, timer_id::kBusyAnimationPeriodMs);
  const int result = view_->RunBox(box_kind::kReadingFromMouse, L"", 8);
  view_->KillTimer(timer_id::kBusyAnimation);
  if (result != 1) view_->KillTimer(timer_id::kReadList);
  protocol_.SendControl(6, 3, 3);
  EndModalBox();
  return result == 1 ? 1 : 0;
}

int CMainForm::ApplyProfileFile(std::span<const std::uint8_t> file) {
  const auto contents = ReadProfileFileBytes(currentProfile_, file);
  if (!contents) {
    view_->ShowStopMessage(Text(IDS_BAD_FORMAT));
    return 0;
  }
  if (contents->profileFlag) {
    const auto cached = static_cast<std::uint8_t>(protocol_.Entry(kProfileRegister).value);
    protocol_.SetCachedValue(kProfileRegister,
                             WithProfileFlag(cached, currentProfile_, *contents->profileFlag));
  }
  for (const RegisterValue& store : contents->stores) protocol_.SetCachedValue(store.reg, store.value);
  return 1;
}

int CMainForm::WriteImportedProfile() {
  if (!StartWriteRegisterList()) return 0;
  BeginModalBox();
  const int result = view_->RunBox(box_kind::kWritingToMouse, L"",
                                   static_cast<int>(transferList_.size()));
  if (result == 1) {
    protocol_.SendControl(6, 3, 3);
    SelectProfile(currentProfile_, false);
  } else {
    view_->KillTimer(timer_id::kWriteList);
    protocol_.SendControl(6, 3, 3);
  }
  EndModalBox();
  looksView_->DrawProfileName(true);
  return result == 1 ? 1 : 0;
}
