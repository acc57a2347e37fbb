// The main form's logic: the lifecycle of the form (pages, timers, the
// modal box bracket, closing), finding and losing the mouse, and the
// configuration transfers between the register cache and the mouse.
//
// Every device transfer is cut into steps of one register per tick of a
// 10 ms window timer, re-armed by each step, so the window keeps painting
// and a step never overlaps the next one. The window (CSkinMainForm) shows
// what this logic tells its FormView and forwards commands and ticks.
//
// [SECTION] lifecycle and pages   MainForm.cpp
// [SECTION] device connection     MainFormConnection.cpp
// [SECTION] transfers             MainFormTransfers.cpp
// [SECTION] profiles              MainFormProfiles.cpp
// [SECTION] sensitivity           MainFormSensitivity.cpp
// [SECTION] button groups         MainFormButtons.cpp
// [SECTION] profile transfers     MainFormProfileTransfer.cpp
// [SECTION] macro and script upload  MainFormMacroUpload.cpp
// [SECTION] profile files         MainFormProfileFiles.cpp
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "app/CacheRegisterStore.h"
#include "app/FormView.h"
#include "app/DataFolders.h"
#include "app/FileSystem.h"
#include "app/ProfileLooks.h"
#include "app/ProgramValues.h"
#include "app/Shell.h"
#include "app/RegistryStore.h"
#include "config/ButtonFunction.h"
#include "config/ProfileTable.h"
#include "config/UploadArea.h"
#include "device/HidClient.h"
#include "device/IcGM06Vx.h"
#include "macro/KeyInWnd.h"
#include "platform/Clock.h"

class CMainForm : private DeviceSelectionListener, private KeyFieldOwner {
 public:
  // What the form works through; everything must outlive the form.
  // `window` is the form window's handle as device notifications and the
  // hook library address it.
  struct Ports {
    HidPort& hid;
    Clock& clock;
    CSettingsStore& settings;
    CFileSystem& files;
    CShell& shell;
    FormView& view;
    CProfileLooksView& looks;
    HidWindow window;
  };
  explicit CMainForm(const Ports& ports);

  // The form's opening: the startup profile, the controls' first state and
  // the connection to the mouse.
  void OnInitDialog();

  // --- lifecycle ---------------------------------------------------------
  // Pages 0 no mouse, 1 resetting, 2 loading, 3 settings; above 3 ignored.
  void SetPage(int page);
  void EnableFormControls(bool enable);
  void BeginModalBox();
  void EndModalBox();
  void OnTimer(int id);
  void StopAllTimers();
  void OnCancel();
  void OnClose();  // window close, leave button, application exit
  void OnDone();   // the done button

  // --- connection ----------------------------------------------------------
  void ConnectDevice();
  void ResetAfterDeviceLoss();
  static constexpr int kDeviceArrival = 0x8000;
  static constexpr int kDeviceRemoveComplete = 0x8004;
  int OnDeviceChange(int event);

  // --- transfers -----------------------------------------------------------
  int StartLoadConfiguration();
  int LoadConfigurationStep();
  int SaveAllChanges(int& count);
  int SaveAllChangesStep();
  int StartSaveProfile(int& count);
  int SaveProfileStep();
  void PrepareTransfer();
  void IndicatorStep();
  void AfterWriteCommit();
  void SnapshotPreviousValues();
  int NextChangedInLoadList();
  int NextChangedInProfile();
  int CountChangedInProfile() const;

  // --- profiles ----------------------------------------------------------
  int SelectProfile(int index, bool skipIfCurrent);
  int SetCurrentProfile(int index);
  void ApplyProfile();
  void ActivateProfile();
  void RestoreFactoryProfile();
  int StartFactoryRestore();
  int FactoryRestoreStep();

  // --- sensitivity -------------------------------------------------------
  void ShowSensitivity();
  void SetSensitivityLevel(int level, bool store);
  void ApplyLevelEnable(bool enable);
  void OnSensitivityEdit(int id);
  void OnSensitivitySlider(int id);
  void ResetSensitivityToPrevious();
  void ApplySensitivityGeneration();

  // --- button groups -----------------------------------------------------
  void BuildButtonGroups();
  void ShowButtonFunction(int group, int listIndex);
  void RefreshButtonGroups();
  void StoreButtonChoice(int group);
  void OnFunctionChosen(int group);  // selection change of list 1049 + group
  void OnKeyClear(int group);        // key-clear button 1055 + group
  void SetListOpen(int group, bool open);
  void ShowFunctionList(int group, bool show);
  void OnLeftButtonUp();
  void ResetButtonsToPrevious();
  void ShowModeSwitcherInfo();  // the information button 1033
  void EditProfileNameAndPicture();
  int OpenGroup() const { return openGroup_; }
  bool ButtonsChanged(int profile) const { return buttonsChanged_[Slot(profile)]; }

  // --- profile transfers ---------------------------------------------------
  int CheckDeviceReady();
  int BuildProfileTransferList(bool isImport);
  int StartReadRegisterList();
  int ReadRegisterListStep();
  int StartWriteRegisterList();
  int WriteRegisterListStep();
  // Reads the current profile's macro areas and scripts from the mouse
  // behind the reading box; 1 when the cache then holds the whole profile.
  int ReadProfileForExport();
  // The stores of a profile file go into the current profile's registers
  // with the changed rule; 0, changing nothing, for a refused file.
  int ApplyProfileFile(std::span<const std::uint8_t> file);
  // Writes the current profile's changed registers behind the writing box.
  int WriteImportedProfile();
  const std::vector<int>& TransferList() const { return transferList_; }

  // --- profile files -------------------------------------------------------
  // Export (button 1007): reads the profile from the mouse, then offers
  // the export box until the file is written or the user cancels.
  void ExportProfile();
  // 1 when the file was written or the user cancelled, 0 to ask again.
  int ExportDialogStep();
  int WriteProfileFile(const std::wstring& path);
  // The attachment beside a profile file, and a copy of the picture.
  int WriteAttachmentFile(const std::wstring& profileFilePath);
  // Import (button 1006): the open-file dialog, then ImportProfile.
  void ImportProfileFromDialog();
  // 1 when the file was read and sent to the mouse.
  int ImportProfile(const std::wstring& path);
  // The file's values into the current profile's cache; 0, changing
  // nothing, for a file that cannot be read or is refused.
  int ReadProfileFile(const std::wstring& path);
  // Name and picture from the attachment, for custom profiles; a missing
  // or malformed attachment changes nothing.
  int ReadAttachmentFile(const std::wstring& profileFilePath);

  // --- state ---------------------------------------------------------------
  int Page() const { return page_; }
  bool Connected() const { return connected_; }
  bool Busy() const { return busy_; }
  int SelectedDevice() const { return selectedDevice_; }
  int DeviceCount() const { return deviceCount_; }
  int CurrentProfile() const { return currentProfile_; }
  int StartupProfile() const { return startupProfile_; }
  bool SensitivitySwap() const { return sensitivitySwap_; }
  SensitivityGeneration Generation() const { return generation_; }
  int SensitivityLevel() const { return currentLevel_; }
  bool SensitivityChanged(int profile) const { return sensitivityChanged_[Slot(profile)]; }
  bool Unsaved(int profile) const { return unsaved_[Slot(profile)]; }
  void SetUnsaved(int profile, bool value) { unsaved_[Slot(profile)] = value; }
  CIcGM06Vx& Protocol() { return protocol_; }
  CKeyInWnd& KeyFields() { return keyFields_; }
  CProfileLooks& Looks() { return looks_; }
  const CDataFolders& Folders() const { return folders_; }
  CHidClient& HidClient() { return hidClient_; }
  const CProfileTable& PreviousValues() const { return previous_; }
  const CProfileTable& FactoryValues() const { return factory_; }

 private:
  static std::size_t Slot(int profile) { return static_cast<std::size_t>(profile & 3); }

  void OnHighlight(int entry) override;
  void ButtonSettingsChanged(int profile) override;
  void SendControlAfterPause(int a, int b, int c);
  void FinishLoad();
  void FailLoad();
  void FailSave();
  void EndTimedWrite(int boxResult);
  bool CommitForSave(int address);
  void ApplyBeforeExit();
  void StoreStartupProfileIfChanged();
  void FollowCurrentProfile();
  void ShowModeControls(int group, ButtonMode mode, bool show);
  void MarkButtonsChanged();
  void ClearKeyField(int group);
  void ShowLevelPictures(int level);
  void MarkSensitivityChanged();
  void StoreSensitivityIndex(int edit, int index);
  void EndFormAndFrame();
  int BuildDeviceTable();
  bool AddScriptToList(int script, bool fromMouse);

  HidPort* hidPort_;
  Clock* clock_;
  FormView* view_;
  CFileSystem* files_;
  CShell* shell_;
  CProfileLooksView* looksView_;
  HidWindow window_;
  CHidClient hidClient_;
  CIcGM06Vx protocol_;
  CCacheRegisterStore keyRegisters_;
  CKeyInWnd keyFields_;
  CRegistryStore registry_;
  CProgramValues values_;
  CDataFolders folders_;
  CProfileLooks looks_;

  int page_ = -1;
  int previousPage_ = -1;
  int selectedDevice_ = 0;
  int deviceCount_ = 0;
  bool connected_ = false;
  bool busy_ = false;
  int currentProfile_ = 0;
  int previousProfile_ = 6;  // none: the first display applies the standard layout
  int startupProfile_ = 0;
  bool sensitivitySwap_ = false;
  SensitivityGeneration generation_ = kInitialGeneration;
  int currentLevel_ = 0;
  // The level state last applied to the controls; the 10 ms refresh skips
  // its work while nothing has touched them since.
  int appliedLevelState_ = -1;
  std::array<bool, 4> unsaved_{};
  std::array<bool, 4> sensitivityChanged_{};
  std::array<bool, 4> buttonsChanged_{};
  int transferPosition_ = 0;
  int transferCount_ = 0;
  int indicatorCursor_ = 0;
  int busyAnimation_ = 0;
  int highlighted_ = -1;
  std::vector<int> transferList_;
  int listPosition_ = 0;
  struct ButtonGroupState {
    ButtonMode mode = ButtonMode::Plain;
    int listIndex = -1;
  };
  std::array<ButtonGroupState, 6> groups_{};
  int openGroup_ = -1;
  CProfileTable factory_;
  CProfileTable previous_;

  // --- macro and script upload -------------------------------------------------
 public:
  // Macro buttons 1062..1066 and script buttons 1067..1072: read the macro
  // or script from the mouse, hand it to the editor, ask, and write the
  // changed registers back. 1 when the changes reached the mouse.
  int OnMacroButton(int id);
  int OnScriptButton(int id);
  // Ticks of the read timers (0x905, 0x907) and the write timers (0x906,
  // 0x908): one register each.
  int UploadReadStep(int timer);
  int UploadWriteStep(int timer);
  // The editor's OK: the tick, the mode, the bytes and the length of the
  // macro or script being edited go into the cache with the changed rule;
  // data after the new end keeps its values. 0 when no edit is open or the
  // bytes exceed the capacity (the tick and mode are stored all the same).
  int StoreEditedBytes(const FormView::EditedBytes& edit);

 private:
  int EditArea(const UploadArea& area);
  bool PrepareAreaRead(const UploadArea& area);
  bool ReadLengthFromMouse(const UploadArea& area);
  bool ReadArea(const UploadArea& area);
  bool RunEditor(const UploadArea& area);
  bool ConfirmChange(const UploadArea& area);
  bool WriteArea(const UploadArea& area);
  bool BuildAreaList(const UploadArea& area, bool forWrite);
  std::optional<int> CachedLength(const UploadArea& area);
  bool ReadScriptLengths(int script);
  bool ReadListedRegister();

  std::optional<UploadArea> editArea_;
};
