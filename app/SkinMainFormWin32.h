// The main form's window: the content window over the frame, created from
// template 101. It shows what the form's logic (CMainForm) tells its two
// views and turns commands, notifications, timers, device changes and the
// hook library's request into calls on that logic.
//
// [SECTION] window messages     SkinMainFormWin32.cpp
// [SECTION] the form view       SkinMainFormViewWin32.cpp
// [SECTION] the profile looks   SkinMainFormLooksWin32.cpp
#pragma once

#include <map>
#include <memory>

#include "app/FormView.h"
#include "app/HookBinding.h"
#include "app/HookHostWin32.h"
#include "app/InstanceMutexWin32.h"
#include "app/KeyFieldWindowsWin32.h"
#include "app/MainForm.h"
#include "app/MainFormControlsWin32.h"
#include "app/ProfileLooksView.h"
#include "app/FileSystemWin32.h"
#include "app/SettingsStoreWin32.h"
#include "app/ShellWin32.h"
#include "platform/SystemClock.h"
#include "skin/MainFrameDlgEx.h"
#include "skin/SkinDlgEx.h"
#include "skin/SkinFrameDlg.h"

class CSkinMainForm final : public CSkinFrameDlg, private FormView, private CProfileLooksView {
 public:
  static constexpr int kTemplate = 101;
  static constexpr UINT kHookHScroll = 0x0577;

  // Creates the instance mutex; the window comes with the frame.
  CSkinMainForm();

  bool AlreadyRunning() const { return mutex_.AlreadyRunning(); }
  void SetFrame(CMainFrameDlgEx* frame) { frame_ = frame; }

 protected:
  BOOL OnInitDialog() override;
  void OnCommand(int id, int code, HWND control) override;
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  static constexpr UINT kEndForm = WM_APP + 1;
  // The strip under the big picture that carries the profile's name.
  static constexpr RECT kNameArea{44, 223, 183, 245};

  void CreateFonts();
  void RecordTemplateVisibility();
  bool OnFormCommand(int id);
  bool OnGroupCommand(int id, int code);
  INT_PTR OnControlColour(HDC dc, HWND control);
  void PaintProfileName();
  void ApplyVisibility(int id);
  bool OnPage(int id) const;

  // FormView
  void SetTimer(int id, int periodMs) override;
  void KillTimer(int id) override;
  void ShowPage(int page) override;
  void EnableControl(int id, bool enable) override;
  void ShowControl(int id, bool show) override;
  void SetProgressRange(int id, int range) override;
  void SetProgressPosition(int id, int position) override;
  void SetFrameButtonsEnabled(bool enable) override;
  void SetControlText(int id, const std::wstring& text) override;
  std::wstring ControlText(int id) override;
  void SetReadOnly(int id, bool readOnly) override;
  void FocusControl(int id) override;
  void SetCaretToEnd(int id) override;
  void SetControlPicture(int id, int picture) override;
  void SetSliderRange(int id, int maximum) override;
  void SetSliderPosition(int id, int position) override;
  int SliderPosition(int id) override;
  void SetListItems(int id, const std::vector<std::wstring>& items) override;
  bool SelectListItem(int id, int index) override;
  int ListSelection(int id) override;
  void ShowButtonGroupMode(int group, int mode) override;
  void PressProfileTab(int profile) override;
  void ShowStopMessage(const std::wstring& text) override;
  int RunBox(int kind, const std::wstring& text, int progressRange) override;
  void SetBoxProgress(int position) override;
  std::optional<ProfileEdit> RunProfileEditBox(const std::wstring& name,
                                               const std::wstring& picturePath) override;
  void RunModeSwitcherBox(const std::array<std::wstring, 4>& profileNames) override;
  void CloseBox(int result) override;
  std::optional<std::wstring> RunExportBox(const std::wstring& name,
                                           const std::wstring& folder) override;
  std::optional<std::wstring> ChooseProfileFile(const std::wstring& folder) override;
  int RunScriptEditor(const EditorHandOver& handOver) override;
  int RunDeviceSelection(const std::vector<std::wstring>& entries,
                         DeviceSelectionListener& listener) override;
  void SwitchOffPointerAcceleration() override;
  KeyFieldView& KeyFields() override { return keyWindows_; }
  const KeyboardState& Keyboard() override { return keyWindows_; }
  void EndForm() override;
  void EndFrame() override;

  // CProfileLooksView
  void SetTabCaption(int profile, const std::wstring& name) override;
  void SetTabPictures(int profile, int normalPicture, int hotPicture) override;
  void ShowTabPreview(int profile, const std::wstring& picturePath) override;
  void HideTabPreview(int profile) override;
  void ClearTabSelected(int profile) override;
  void RepaintTab(int profile) override;
  void ShowBigPreview(const std::wstring& picturePath) override;
  void ShowDefaultBigPicture(int picture) override;
  void DrawProfileName(bool show) override;

  CInstanceMutex mutex_;
  SystemClock clock_;
  std::unique_ptr<HidPort> hid_;
  CSettingsStoreWin32 settings_;
  CFileSystemWin32 files_;
  CShellWin32 shell_;
  CHookHostWin32 hookHost_;
  CHookBinding hook_{hookHost_};
  std::uint16_t osCode_;
  CKeyFieldWindows keyWindows_;
  SMainFormControls controls_;
  CSkinDlgEx box_;
  std::unique_ptr<CMainForm> logic_;
  CMainFrameDlgEx* frame_ = nullptr;

  CFont groupFont_;
  CFont nameFont_;
  CBrush editBrush_{CreateSolidBrush(RGB(87, 109, 115))};
  CBrush focusBrush_{CreateSolidBrush(RGB(0, 0, 0))};
  int page_ = -1;
  std::map<int, bool> wanted_;
  bool nameShown_ = false;
};
