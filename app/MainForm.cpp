#include "app/MainForm.h"

#include "app/DeviceDescription.h"
#include "app/FileAssociation.h"
#include "app/FormIds.h"
#include "editions/Edition.h"

namespace {


}  // namespace

CMainForm::CMainForm(const Ports& ports)
    : hidPort_(&ports.hid),
      clock_(&ports.clock),
      view_(&ports.view),
      files_(&ports.files),
      shell_(&ports.shell),
      looksView_(&ports.looks),
      window_(ports.window),
      hidClient_(ports.hid),
      protocol_(ports.hid, ports.clock),
      keyRegisters_(protocol_),
      registry_(ports.settings),
      values_(registry_),
      looks_(registry_, folders_, ports.files, ports.looks),
      factory_(CProfileTable::Factory()),
      previous_(CProfileTable::Factory()) {
  keyFields_.SetView(&view_->KeyFields());
  keyFields_.SetKeyboard(&view_->Keyboard());
  keyFields_.SetRegisters(&keyRegisters_);
  keyFields_.SetOwner(this);
  keyFields_.SetFieldCount(form_id::kGroupCount);
  keyFields_.SetDrawMode(CKeyInWnd::kOwnerDrawMode);
}

void CMainForm::OnInitDialog() {
  values_.PublishWindowHandle(static_cast<std::uint32_t>(window_));
  looks_.LoadProfileNames();
  CFileAssociation(registry_, *shell_).EnsureFileAssociation();
  startupProfile_ = values_.ReadStartupProfile();
  currentProfile_ = 0;
  BuildButtonGroups();
  looks_.SnapshotProfileLooks();
  view_->EnableControl(form_id::kApply, false);
  view_->EnableControl(form_id::kSensitivityReset, false);
  view_->EnableControl(form_id::kButtonsReset, false);
  view_->EnableControl(form_id::kDone, true);
  ConnectDevice();
  if (connected_) view_->SwitchOffPointerAcceleration();
  PatchDeviceDescription(registry_);
}

void CMainForm::SetPage(int page) {
  if (page < 0 || page > 3) return;
  previousPage_ = page_;
  page_ = page;
  const bool noMousePage = page == 0;
  if (previousPage_ == 0 || noMousePage) {
    view_->ShowControl(form_id::kTryAgain, noMousePage);
    view_->ShowControl(form_id::kLeave, noMousePage);
  }
  view_->ShowPage(page);
}

void CMainForm::EnableFormControls(bool enable) {
  using namespace form_id;
  appliedLevelState_ = -1;
  if (!enable) OnLeftButtonUp();
  for (int id : {kDone, kImport, kExport, kFactory, kApply, kSensitivityReset, kButtonsReset,
                 kInformation, kPencil, kLevel1, kLevel2})
    view_->EnableControl(id, enable);
  for (int tab = 0; tab < 4; ++tab) view_->EnableControl(kFirstProfileTab + tab, enable);
  for (int group = 0; group < form_id::kGroupCount; ++group) {
    for (int base : {form_id::kGroupTitles, form_id::kGroupLists, form_id::kGroupKeyClear, form_id::kGroupMacro, form_id::kGroupScript})
      view_->EnableControl(base + group, enable);
  }
  for (int group = 0; group < kGroupCount; ++group) {
    const bool keyboard = groups_[static_cast<std::size_t>(group)].mode == ButtonMode::Keyboard;
    view_->ShowControl(kGroupKeyField + group, enable && keyboard);
  }
  if (enable) FollowCurrentProfile();
  ApplyLevelEnable(enable);
}

// Enabled controls follow what the current profile allows.
void CMainForm::FollowCurrentProfile() {
  using namespace form_id;
  const bool standard = currentProfile_ == 0;
  if (standard) {
    for (int group = 0; group < form_id::kGroupCount; ++group) {
      view_->EnableControl(form_id::kGroupTitles + group, false);
      view_->EnableControl(form_id::kGroupLists + group, false);
    }
  }
  const std::size_t p = Slot(currentProfile_);
  view_->EnableControl(kApply, unsaved_[p]);
  view_->EnableControl(kSensitivityReset, sensitivityChanged_[p]);
  view_->EnableControl(kButtonsReset, !standard && buttonsChanged_[p]);
}

void CMainForm::BeginModalBox() {
  busy_ = true;
  if (page_ == 3) EnableFormControls(false);
  view_->SetFrameButtonsEnabled(false);
}

void CMainForm::EndModalBox() {
  busy_ = false;
  if (page_ == 3) EnableFormControls(true);
  view_->SetFrameButtonsEnabled(true);
}

void CMainForm::OnTimer(int id) {
  switch (id) {
    case timer_id::kLoadConfig: LoadConfigurationStep(); break;
    case timer_id::kSaveAll: SaveAllChangesStep(); break;
    case timer_id::kSaveProfile: SaveProfileStep(); break;
    case timer_id::kFactoryRestore: FactoryRestoreStep(); break;
    // While a box is up the form's controls stay disabled under it.
    case timer_id::kLevelRefresh: ApplyLevelEnable(!busy_); break;
    case timer_id::kReadList: ReadRegisterListStep(); break;
    case timer_id::kWriteList: WriteRegisterListStep(); break;
    case timer_id::kMacroRead:
    case timer_id::kScriptRead: UploadReadStep(id); break;
    case timer_id::kMacroWrite:
    case timer_id::kScriptWrite: UploadWriteStep(id); break;
    case timer_id::kSelectKeepAlive: protocol_.SendControl(6, 3, 2); break;
    case timer_id::kBusyAnimation:
      busyAnimation_ = (busyAnimation_ + 1) % 8;
      view_->SetBoxProgress(busyAnimation_);
      break;
    default: break;
  }
}

void CMainForm::StopAllTimers() {
  for (int id = timer_id::kFirst; id <= timer_id::kLast; ++id) view_->KillTimer(id);
}

void CMainForm::SendControlAfterPause(int a, int b, int c) {
  clock_->Sleep(Clock::Duration(10));
  protocol_.SendControl(a, b, c);
}

void CMainForm::OnCancel() {
  StopAllTimers();
  if (connected_ && busy_) SendControlAfterPause(6, 3, 3);
  StoreStartupProfileIfChanged();
  view_->EndForm();
}

void CMainForm::StoreStartupProfileIfChanged() {
  if (currentProfile_ == startupProfile_) return;
  values_.StoreStartupProfile(currentProfile_);
  startupProfile_ = currentProfile_;
}

void CMainForm::EndFormAndFrame() {
  view_->EndForm();
  view_->EndFrame();
}

void CMainForm::OnClose() {
  StopAllTimers();
  EndFormAndFrame();
}

void CMainForm::OnDone() {
  bool anyUnsaved = false;
  for (bool flag : unsaved_) anyUnsaved = anyUnsaved || flag;
  if (anyUnsaved) {
    BeginModalBox();
    const int answer = view_->RunBox(box_kind::kApplyOrNot, Text(IDS_APPLY_QUESTION), 0);
    EndModalBox();
    if (answer == 1) ApplyBeforeExit();
  }
  StopAllTimers();
  EndFormAndFrame();
}

void CMainForm::ApplyBeforeExit() {
  if (busy_) return;
  bool anyChanged = false;
  for (int r = 0; r < CIcGM06Vx::kRegisterSpace && !anyChanged; ++r)
    anyChanged = protocol_.Entry(r).changed;
  int count = 0;
  const bool started = anyChanged && SaveAllChanges(count) == 1;
  if (started && count >= 15) {
    const int result = view_->RunBox(box_kind::kSaving, L"", 113);
    if (result == 2) EndModalBox();
  }
  if (started) {
    protocol_.SendControl(6, 3, 3);
    ActivateProfile();
    return;
  }
  if (connected_ && busy_) {
    StopAllTimers();
    SendControlAfterPause(6, 3, 3);
  }
}
