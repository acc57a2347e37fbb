#include "tests/support/TestFormView.h"

#include <algorithm>
#include <stdexcept>

void TestFormView::SetTimer(int id, int periodMs) {
  timers_[id] = Timer{periodMs, clock_.Now() + Clock::Duration(periodMs), sequence_++};
}

bool TestFormView::FireNext() {
  if (timers_.empty()) return false;
  auto next = timers_.begin();
  for (auto it = timers_.begin(); it != timers_.end(); ++it) {
    const bool earlier = it->second.due < next->second.due ||
                         (it->second.due == next->second.due &&
                          it->second.sequence < next->second.sequence);
    if (earlier) next = it;
  }
  const int id = next->first;
  if (next->second.due > clock_.Now()) clock_.Advance(next->second.due - clock_.Now());
  // Window timers repeat until killed.
  next->second.due = clock_.Now() + Clock::Duration(next->second.period);
  next->second.sequence = sequence_++;
  ++ticksFired;
  ++ticksById[id];
  if (onTimer) onTimer(id);
  return true;
}

int TestFormView::RunTimers(int limit) {
  int fired = 0;
  while (fired < limit && FireNext()) ++fired;
  return fired;
}

int TestFormView::RunTransfers() {
  constexpr int kStepTimers[] = {0x900, 0x901, 0x902, 0x903, 0x904, 0x905,
                                 0x906, 0x907, 0x908, 0x90B};
  auto pending = [&] {
    for (int id : kStepTimers)
      if (TimerSet(id)) return true;
    return false;
  };
  int fired = 0;
  while (pending() && fired < 1000000 && FireNext()) ++fired;
  return fired;
}

int TestFormView::RunBox(int kind, const std::wstring& text, int range) {
  boxes.push_back(Box{kind, text, range, std::nullopt, {}});
  const std::size_t index = boxes.size() - 1;
  if (!boxAnswers.empty()) {
    const int answer = boxAnswers.front();
    boxAnswers.pop_front();
    return answer;
  }
  openBoxes_.push_back(index);
  // The box's own message loop: ticks keep arriving until the logic closes
  // it. A runaway transfer is a test failure, not an endless loop.
  for (int ticks = 0; !boxes[index].closedWith && ticks < 1000000; ++ticks) {
    if (!FireNext()) break;
  }
  openBoxes_.pop_back();
  return boxes[index].closedWith.value_or(2);
}

void TestFormView::SetBoxProgress(int position) {
  if (!openBoxes_.empty()) boxes[openBoxes_.back()].progress.push_back(position);
}

void TestFormView::CloseBox(int result) {
  if (openBoxes_.empty()) return;
  Box& box = boxes[openBoxes_.back()];
  box.closedWith = result;
  box.enabledAtClose = enabled;
}

int TestFormView::RunDeviceSelection(const std::vector<std::wstring>& entries,
                                     DeviceSelectionListener& listener) {
  selectionEntries.push_back(entries);
  if (selections.empty()) throw std::logic_error("no scripted device selection");
  Selection selection = selections.front();
  selections.pop_front();
  listener.OnHighlight(0);
  for (int tick = 0; tick < selection.keepAliveTicks; ++tick) FireNext();
  for (int entry : selection.highlights) listener.OnHighlight(entry);
  return selection.result;
}

void TestFormView::SetControlText(int id, const std::wstring& text) {
  texts[id] = text;
  if (onTextChange) onTextChange(id);
}

bool TestFormView::SelectListItem(int id, int index) {
  if (index < 0 || index >= static_cast<int>(lists[id].size())) return false;
  listSelection[id] = index;
  return true;
}

bool TestFormView::IsDown(int vk) const {
  return std::find(keysDown.begin(), keysDown.end(), vk) != keysDown.end();
}

std::optional<FormView::ProfileEdit> TestFormView::RunProfileEditBox(const std::wstring&,
                                                                     const std::wstring&) {
  if (profileEdits.empty()) return std::nullopt;
  ProfileEdit edit = profileEdits.front();
  profileEdits.pop_front();
  return edit;
}

int TestFormView::RunScriptEditor(const EditorHandOver& handOver) {
  editorOpenings.push_back(handOver);
  if (editors.empty()) return 2;
  ScriptedEditor editor = editors.front();
  editors.pop_front();
  return editor(handOver);
}

std::optional<std::wstring> TestFormView::RunExportBox(const std::wstring& name,
                                                       const std::wstring& folder) {
  exportBoxes.push_back({name, folder});
  if (exportAnswers.empty()) return std::nullopt;
  const ExportAnswer answer = exportAnswers.front();
  exportAnswers.pop_front();
  return answer.folder.value_or(folder) + L"\\" + answer.name;
}

std::optional<std::wstring> TestFormView::ChooseProfileFile(const std::wstring& folder) {
  openFileFolders.push_back(folder);
  openFileFrameButtons.push_back(frameButtonsEnabled.value_or(true));
  if (chosenFiles.empty()) return std::nullopt;
  std::wstring path = chosenFiles.front();
  chosenFiles.pop_front();
  return path;
}
