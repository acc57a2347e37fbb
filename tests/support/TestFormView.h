// The form's view in tests: records what the logic shows, runs window
// timers on a virtual clock, and answers boxes and the device-selection
// dialog from a script.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/FormView.h"
#include "platform/VirtualClock.h"

class TestFormView : public FormView, private KeyFieldView, private KeyboardState {
 public:
  struct Box {
    int kind;
    std::wstring text;
    int progressRange;
    std::optional<int> closedWith;  // set when the logic closed it
    std::vector<int> progress;
    // Which controls were enabled when the logic closed it.
    std::map<int, bool> enabledAtClose;
  };
  // A scripted selection: entries highlighted one after another, then the
  // result (-1 cancels).
  struct Selection {
    std::vector<int> highlights;
    int result;
    // Keep-alive ticks to let pass after the first highlight.
    int keepAliveTicks = 0;
  };

  explicit TestFormView(VirtualClock& clock) : clock_(clock) {}

  // Where timer ticks go (the form's OnTimer).
  std::function<void(int id)> onTimer;
  // Where an edit's change notification goes (the form's edit handler).
  std::function<void(int id)> onTextChange;

  // Fires due timers in time order until none is set or `limit` ticks ran;
  // returns the number fired.
  int RunTimers(int limit = 100000);
  // Fires timers until no transfer step is pending: the repeating display
  // timers (level refresh, busy animation, keep-alive) alone do not count.
  int RunTransfers();
  bool TimerSet(int id) const { return timers_.count(id) != 0; }
  int TimerPeriod(int id) const { return timers_.at(id).period; }

  // Answers for question boxes, in order; a box with no answer left and no
  // timer that could close it ends with cancel.
  std::deque<int> boxAnswers;
  std::deque<Selection> selections;
  // Answers of the profile edit box, in order; none left: cancel.
  std::deque<ProfileEdit> profileEdits;
  std::vector<std::array<std::wstring, 4>> modeSwitcherNames;

  // What was shown.
  std::vector<int> pages;
  std::map<int, bool> enabled;
  std::map<int, bool> shown;
  std::map<int, int> progressRange;
  std::map<int, int> progressPosition;
  std::vector<std::wstring> stopMessages;
  std::vector<Box> boxes;
  std::vector<std::vector<std::wstring>> selectionEntries;
  std::optional<bool> frameButtonsEnabled;
  int pressedTab = -1;
  // Key-capture fields: the last drawing of each, the focused one, and the
  // keys held down.
  std::map<int, KeyFieldDrawing> keyFieldDrawings;
  int focusedKeyField = -1;
  std::vector<int> keysDown;
  int focused = 0;
  std::map<int, std::wstring> texts;
  std::map<int, bool> readOnly;
  std::map<int, int> pictures;
  std::map<int, int> sliderRange;
  std::map<int, int> sliderPosition;
  std::map<int, std::vector<std::wstring>> lists;
  std::map<int, int> listSelection;
  std::map<int, int> groupModes;
  bool accelerationSwitchedOff = false;
  int formEnded = 0;
  int frameEnded = 0;
  int ticksFired = 0;
  std::map<int, int> ticksById;

  bool Enabled(int id) const { return enabled.count(id) != 0 && enabled.at(id); }
  bool Shown(int id) const { return shown.count(id) != 0 && shown.at(id); }

  void SetTimer(int id, int periodMs) override;
  void KillTimer(int id) override { timers_.erase(id); }
  void ShowPage(int page) override { pages.push_back(page); }
  void EnableControl(int id, bool enable) override { enabled[id] = enable; }
  void ShowControl(int id, bool show) override { shown[id] = show; }
  void SetProgressRange(int id, int range) override { progressRange[id] = range; }
  void SetProgressPosition(int id, int position) override { progressPosition[id] = position; }
  void SetFrameButtonsEnabled(bool enable) override { frameButtonsEnabled = enable; }
  void PressProfileTab(int profile) override { pressedTab = profile; }
  void SetControlText(int id, const std::wstring& text) override;
  std::wstring ControlText(int id) override { return texts[id]; }
  void SetReadOnly(int id, bool value) override { readOnly[id] = value; }
  void FocusControl(int id) override { focused = id; }
  void SetCaretToEnd(int) override {}
  void SetControlPicture(int id, int picture) override { pictures[id] = picture; }
  void SetSliderRange(int id, int maximum) override { sliderRange[id] = maximum; }
  void SetSliderPosition(int id, int position) override { sliderPosition[id] = position; }
  int SliderPosition(int id) override { return sliderPosition[id]; }
  void SetListItems(int id, const std::vector<std::wstring>& items) override { lists[id] = items; }
  bool SelectListItem(int id, int index) override;
  int ListSelection(int id) override { return listSelection.count(id) ? listSelection[id] : -1; }
  void ShowButtonGroupMode(int group, int mode) override { groupModes[group] = mode; }
  // What a user picking item `index` of a list does.
  void Pick(int id, int index) { listSelection[id] = index; }
  // What a user typing into an edit does: the text changes, then the
  // window forwards the change.
  void Type(int id, const std::wstring& text) { SetControlText(id, text); }
  void ShowStopMessage(const std::wstring& text) override { stopMessages.push_back(text); }
  int RunBox(int kind, const std::wstring& text, int progressRange) override;
  void SetBoxProgress(int position) override;
  std::optional<ProfileEdit> RunProfileEditBox(const std::wstring& name,
                                               const std::wstring& picturePath) override;
  void RunModeSwitcherBox(const std::array<std::wstring, 4>& names) override {
    modeSwitcherNames.push_back(names);
  }
  void CloseBox(int result) override;

  // The export box: each answer is the name typed and, when the browse
  // button was used, the folder chosen; none left: cancel. The name and
  // folder each box was shown with are kept.
  struct ExportAnswer {
    std::wstring name;
    std::optional<std::wstring> folder;
  };
  struct ExportBox {
    std::wstring name;
    std::wstring folder;
  };
  std::deque<ExportAnswer> exportAnswers;
  std::vector<ExportBox> exportBoxes;
  std::optional<std::wstring> RunExportBox(const std::wstring& name,
                                           const std::wstring& folder) override;
  // The open-file dialog: the files chosen, in order; none left: cancel.
  std::deque<std::wstring> chosenFiles;
  std::vector<std::wstring> openFileFolders;
  // Whether the frame's buttons were usable while each dialog was open.
  std::vector<bool> openFileFrameButtons;
  std::optional<std::wstring> ChooseProfileFile(const std::wstring& folder) override;
  int RunDeviceSelection(const std::vector<std::wstring>& entries,
                         DeviceSelectionListener& listener) override;
  KeyFieldView& KeyFields() override { return *this; }
  const KeyboardState& Keyboard() override { return *this; }
  void SwitchOffPointerAcceleration() override { accelerationSwitchedOff = true; }
  // The script editor: each opening takes the next function, which sees the
  // hand-over, may store edited bytes through it and returns 1 (OK) or 2
  // (cancel); with none left the editor is cancelled. Every hand-over is
  // kept.
  using ScriptedEditor = std::function<int(const EditorHandOver&)>;
  std::deque<ScriptedEditor> editors;
  std::vector<EditorHandOver> editorOpenings;
  int RunScriptEditor(const EditorHandOver& handOver) override;
  void EndForm() override { ++formEnded; }
  void EndFrame() override { ++frameEnded; }

 private:
  struct Timer {
    int period;
    Clock::Duration due;
    long sequence;
  };
  bool FireNext();
  void Draw(int field, const KeyFieldDrawing& drawing) override { keyFieldDrawings[field] = drawing; }
  void Focus(int field) override { focusedKeyField = field; }
  bool IsDown(int vk) const override;

  VirtualClock& clock_;
  std::map<int, Timer> timers_;
  long sequence_ = 0;
  std::vector<std::size_t> openBoxes_;
};
