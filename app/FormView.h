// The form-view port: everything the main form's logic asks of its window.
// The Win32 window implements it thinly (timers on the form's window, the
// skinned message box, the frame's background); tests implement it with a
// virtual timer queue and scripted answers.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "macro/KeyFieldView.h"
#include "macro/KeyboardState.h"
#include "macro/RegisterStore.h"

// The device-selection dialog tells the logic which mouse is highlighted;
// the logic talks to that mouse while the dialog is up.
class DeviceSelectionListener {
 public:
  virtual ~DeviceSelectionListener() = default;
  virtual void OnHighlight(int entry) = 0;
};

class FormView {
 public:
  virtual ~FormView() = default;

  // Window timers of the form: a set timer fires every `periodMs` until
  // killed; setting an id again restarts it.
  virtual void SetTimer(int id, int periodMs) = 0;
  virtual void KillTimer(int id) = 0;

  // The frame shows background picture 151 + page, the page's window region
  // and, on page 3 only, its title buttons.
  virtual void ShowPage(int page) = 0;
  virtual void EnableControl(int id, bool enable) = 0;
  virtual void ShowControl(int id, bool show) = 0;
  virtual void SetProgressRange(int id, int range) = 0;
  virtual void SetProgressPosition(int id, int position) = 0;
  virtual void SetFrameButtonsEnabled(bool enable) = 0;
  // Text of an edit or static. Setting an edit's text runs its change
  // handling, as the window forwards the edit's change notification.
  virtual void SetControlText(int id, const std::wstring& text) = 0;
  virtual std::wstring ControlText(int id) = 0;
  virtual void SetReadOnly(int id, bool readOnly) = 0;
  virtual void FocusControl(int id) = 0;
  virtual void SetCaretToEnd(int id) = 0;
  virtual void SetControlPicture(int id, int picture) = 0;
  virtual void SetSliderRange(int id, int maximum) = 0;
  virtual void SetSliderPosition(int id, int position) = 0;
  virtual int SliderPosition(int id) = 0;
  // Drop-down function lists: their items, and selecting one (false when
  // the list has no such item).
  virtual void SetListItems(int id, const std::vector<std::wstring>& items) = 0;
  virtual bool SelectListItem(int id, int index) = 0;
  virtual int ListSelection(int id) = 0;
  // A button group's look for its mode (frame and title pictures).
  virtual void ShowButtonGroupMode(int group, int mode) = 0;
  // Releases the other tabs' pressed look and presses this profile's tab.
  virtual void PressProfileTab(int profile) = 0;

  // A standard message box: stop icon, topmost, caption IDS_APP_TITLE.
  virtual void ShowStopMessage(const std::wstring& text) = 0;

  // Runs the shared skinned box of `kind` modally; timer ticks keep
  // arriving while it is up. Returns 1 (OK) or 2 (cancel), or the result a
  // CloseBox call gave it.
  virtual int RunBox(int kind, const std::wstring& text, int progressRange) = 0;
  virtual void SetBoxProgress(int position) = 0;

  // The edit box of a profile (kind 342): name field and picture browse.
  // Empty when cancelled; an empty picture path keeps the picture.
  struct ProfileEdit {
    std::wstring name;
    std::wstring picturePath;
  };
  virtual std::optional<ProfileEdit> RunProfileEditBox(const std::wstring& name,
                                                       const std::wstring& picturePath) = 0;
  // The mode switcher's information box (kind 344), its four text fields
  // showing the four profile names; OK only.
  virtual void RunModeSwitcherBox(const std::array<std::wstring, 4>& profileNames) = 0;
  virtual void CloseBox(int result) = 0;

  // The export box (kind 345): the name field preset with `name`, the
  // folder with `folder` (shown shortened; its browse button may change
  // both). The path folder + "\" + name, or empty when cancelled.
  virtual std::optional<std::wstring> RunExportBox(const std::wstring& name,
                                                   const std::wstring& folder) = 0;
  // The open-file dialog for profile files, starting in `folder`; the
  // chosen file's path, or empty when cancelled.
  virtual std::optional<std::wstring> ChooseProfileFile(const std::wstring& folder) = 0;

  // The device-selection dialog over `entries`; returns the chosen entry,
  // or -1 when cancelled. Highlight changes reach `listener`.
  virtual int RunDeviceSelection(const std::vector<std::wstring>& entries,
                                 DeviceSelectionListener& listener) = 0;

  // Switches Windows pointer acceleration off until Windows reloads the
  // user's settings (the thresholds keep their values; nothing is saved).
  virtual void SwitchOffPointerAcceleration() = 0;

  // The key-capture field windows of the six button groups, and the
  // keyboard's state as they read it.
  virtual KeyFieldView& KeyFields() = 0;
  virtual const KeyboardState& Keyboard() = 0;

  // --- macro and script editor ----------------------------------------------
  // What the editor's OK stores: the delay units of the chosen tick, the
  // mode byte of the chosen mode and the encoded command bytes.
  struct EditedBytes {
    int delayUnits;
    int modeByte;
    std::vector<std::uint8_t> bytes;
  };
  // What the editor is handed: the register cache to read the macro or
  // script from, its byte capacity, which one it is, where its registers
  // are, the folder its file dialogs start in and its frame's background
  // picture. `store` is the form's store operation; 1 when it stored all.
  struct EditorHandOver {
    const RegisterStore* registers;
    int capacity;
    int scriptIndex;  // -1 for a macro
    int macroIndex;   // -1 for a script
    int modeRegister;
    int delayUnitRegister;
    int firstDataRegister;
    int dataLength;
    std::wstring folder;
    int background;
    std::function<int(const EditedBytes&)> store;
  };
  // Runs the editor modally: 1 when it ended with OK, having stored its
  // bytes through `store`; 2 when cancelled, having stored nothing.
  virtual int RunScriptEditor(const EditorHandOver& handOver) = 0;

  // Ends the form's dialog; EndFrame also ends the frame around it.
  virtual void EndForm() = 0;
  virtual void EndFrame() = 0;
};
