// Finding the mouse, choosing among several, and reacting when mice arrive
// or disappear. No path here shows a message: the page says it all.
#include <cstdio>

#include "app/FormIds.h"
#include "app/MainForm.h"

namespace {

constexpr SUsbId kMouseIds[] = {{0x3E71, 0x0A24}, {0x5D93, 0x46B8}};
constexpr std::uint16_t kMinVersion = 0x0704;
constexpr std::uint16_t kMaxVersion = 0x0711;

// "704: Orvo Mirel Gaming Mouse": the version in lowercase hexadecimal.
std::wstring SelectionEntry(std::uint16_t version, const char16_t* product) {
  wchar_t number[8];
  std::swprintf(number, 8, L"%x", version);
  std::wstring entry = number;
  entry += L": ";
  for (const char16_t* c = product; c != nullptr && *c != 0; ++c) entry += wchar_t(*c);
  return entry;
}

}  // namespace

int CMainForm::BuildDeviceTable() {
  return hidClient_.CreateDeviceTable(kMouseIds, 2, kMinVersion, kMaxVersion);
}

void CMainForm::ConnectDevice() {
  BuildDeviceTable();
  hidClient_.RegisterNotify(window_);
  protocol_.Reset();
  selectedDevice_ = 0;
  const int found = hidClient_.GetRecognizedDevices();
  deviceCount_ = found;
  if (found > 1) {
    std::vector<std::wstring> entries;
    for (int i = 0; i < found; ++i)
      entries.push_back(SelectionEntry(hidClient_.GetDeviceVer(i), hidClient_.GetDeviceName(i)));
    highlighted_ = -1;
    selectedDevice_ = view_->RunDeviceSelection(entries, *this);
    view_->KillTimer(timer_id::kSelectKeepAlive);
    if (highlighted_ >= 0) protocol_.SendControl(6, 3, 3);
    highlighted_ = -1;
  }
  if (found > 0 && (selectedDevice_ < 0 || selectedDevice_ >= found)) {
    selectedDevice_ = 0;
    deviceCount_ = 0;
    OnCancel();
  } else if (found > 0) {
    protocol_.SelectControllerType(hidClient_.GetDeviceVer(selectedDevice_));
    if (protocol_.OpenDevice(hidClient_.GetDevice(selectedDevice_))) {
      folders_.SetupDataFolders(registry_, *files_, *shell_);
      connected_ = true;
      StartLoadConfiguration();
      return;
    }
  }
  connected_ = false;
  if (page_ != 0) SetPage(0);
}

void CMainForm::OnHighlight(int entry) {
  const bool first = highlighted_ < 0;
  if (!first) protocol_.SendControl(6, 3, 3);
  highlighted_ = entry;
  // Talk to the highlighted mouse with its own report length: the length
  // left from an earlier connect (or the initial 10) would be refused by
  // the mouse, each command retried for seconds while the dialog hangs.
  protocol_.SelectControllerType(hidClient_.GetDeviceVer(entry));
  protocol_.SetDevicePath(hidClient_.GetDevice(entry));
  protocol_.SendControl(5, 0, 0);
  clock_->Sleep(Clock::Duration(40));
  protocol_.SendControl(6, 3, 0);
  if (first) view_->SetTimer(timer_id::kSelectKeepAlive, timer_id::kKeepAlivePeriodMs);
}

void CMainForm::ResetAfterDeviceLoss() {
  busy_ = false;
  unsaved_[Slot(currentProfile_)] = false;
  view_->EnableControl(form_id::kApply, false);
  view_->EnableControl(form_id::kDone, true);
  StopAllTimers();
  if (page_ != 0) SetPage(0);
}

int CMainForm::OnDeviceChange(int event) {
  if (event == kDeviceArrival && !connected_) {
    const int found = BuildDeviceTable();
    if (found > 0 && hidClient_.GetRecognizedDevices() == deviceCount_) return 0;
    ResetAfterDeviceLoss();
    ConnectDevice();
  } else if (event == kDeviceRemoveComplete && connected_) {
    BuildDeviceTable();
    for (int i = hidClient_.GetRecognizedDevices() - 1; i >= 0; --i) {
      if (protocol_.IsDevicePath(hidClient_.GetDevice(i))) {
        selectedDevice_ = i;
        return 0;
      }
    }
    connected_ = false;
    ResetAfterDeviceLoss();
    ConnectDevice();
  }
  return 0;
}
