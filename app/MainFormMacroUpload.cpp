// Editing one macro or script: its bytes are read from the mouse one
// register per tick behind a progress box, handed to the editor, and after
// the user's confirmation the registers the editor changed are written
// back one per tick behind the writing box.
#include "app/FormIds.h"
#include "app/MainForm.h"
#include "config/ButtonFunction.h"
#include "config/RegisterMap.h"
#include "config/ScriptMap.h"
#include "editions/Edition.h"

namespace {

constexpr int kFirstMacroButton = form_id::kGroupMacro + 1;  // group 0 offers no macro
constexpr int kMacroButtons = form_id::kGroupCount - 1;
constexpr int kMacroEditorBackground = 406;
constexpr int kScriptEditorBackground = 405;
constexpr Clock::Duration kLengthReadPause{10};

int ReadTimer(const UploadArea& area) {
  return area.IsMacro() ? timer_id::kMacroRead : timer_id::kScriptRead;
}

int WriteTimer(const UploadArea& area) {
  return area.IsMacro() ? timer_id::kMacroWrite : timer_id::kScriptWrite;
}

// The question before a write-back, from the edition's table of 24 entries:
// the six scripts' own texts, then one entry per macro.
const wchar_t* ChangeQuestion(const UploadArea& area) {
  const EditionTexts& texts = TextsOf(CurrentEdition());
  if (area.IsMacro()) return texts.macroQuestions[area.macro];
  return texts.scriptQuestions[area.script];
}

}  // namespace

int CMainForm::OnMacroButton(int id) {
  const int k = id - kFirstMacroButton;
  if (!IsCustomProfile(currentProfile_) || k < 0 || k >= kMacroButtons) return 0;
  return EditArea(*MacroArea((currentProfile_ - 1) * kMacroAreasPerProfile + k));
}

int CMainForm::OnScriptButton(int id) {
  const int group = id - form_id::kGroupScript;
  if (group < 0 || group >= form_id::kGroupCount) return 0;
  const auto encoding =
      EncodeButtonFunction(group, groups_[static_cast<std::size_t>(group)].listIndex);
  const auto script = encoding ? ScriptOfFunctionCode(encoding->code) : std::nullopt;
  if (!script) return 0;
  return EditArea(*ScriptArea(*script));
}

int CMainForm::EditArea(const UploadArea& area) {
  if (!PrepareAreaRead(area)) return 0;
  BeginModalBox();
  const bool written =
      ReadArea(area) && RunEditor(area) && ConfirmChange(area) && WriteArea(area);
  EndModalBox();
  return written ? 1 : 0;
}

// The length registers come from the mouse first: they decide how many
// data registers the read list holds.
bool CMainForm::PrepareAreaRead(const UploadArea& area) {
  if (!CheckDeviceReady()) return false;
  PrepareTransfer();
  return ReadLengthFromMouse(area) && BuildAreaList(area, false);
}

// The area's list for the length the cache holds; a script too long for
// its registers is refused.
bool CMainForm::BuildAreaList(const UploadArea& area, bool forWrite) {
  const auto length = CachedLength(area);
  if (!length) {
    view_->ShowStopMessage(Text(IDS_BAD_FORMAT));
    return false;
  }
  transferList_ = forWrite ? area.WriteList(*length) : area.ReadList(*length);
  listPosition_ = 0;
  busy_ = true;
  return true;
}

// A macro's failed length read ends the edit silently; a script's is
// reported like a script too long for its registers.
bool CMainForm::ReadLengthFromMouse(const UploadArea& area) {
  if (!area.IsMacro()) {
    if (ReadScriptLengths(area.script)) return true;
    view_->ShowStopMessage(Text(IDS_BAD_FORMAT));
    return false;
  }
  int value = 0;
  if (!protocol_.ReadRegister(area.lengthLow, value)) return false;
  protocol_.StoreReadValue(area.lengthLow, value);
  return true;
}

bool CMainForm::ReadScriptLengths(int script) {
  const ScriptRegisters& s = kScripts[static_cast<std::size_t>(script)];
  for (int reg : {s.lengthHigh, s.lengthLow}) {
    int value = 0;
    if (!protocol_.ReadRegister(reg, value)) return false;
    protocol_.StoreReadValue(reg, value);
    clock_->Sleep(kLengthReadPause);
  }
  return true;
}

std::optional<int> CMainForm::CachedLength(const UploadArea& area) {
  int stored = protocol_.Entry(area.lengthLow).value;
  if (area.lengthHigh >= 0) stored += 256 * protocol_.Entry(area.lengthHigh).value;
  return area.UsableLength(stored);
}

bool CMainForm::ReadArea(const UploadArea& area) {
  const int timer = ReadTimer(area);
  const int kind = area.IsMacro() ? box_kind::kReadingMacro : box_kind::kReadingScript;
  view_->SetTimer(timer, timer_id::kStepPeriodMs);
  const int result = view_->RunBox(kind, L"", static_cast<int>(transferList_.size()));
  if (result == 1) return true;
  view_->KillTimer(timer);
  return false;
}

int CMainForm::UploadReadStep(int timer) {
  view_->KillTimer(timer);
  const int count = static_cast<int>(transferList_.size());
  if (!ReadListedRegister()) {
    view_->CloseBox(2);
    return 0;
  }
  if (listPosition_ < count) {
    view_->SetBoxProgress(listPosition_);
    view_->SetTimer(timer, timer_id::kStepPeriodMs);
    return 1;
  }
  view_->CloseBox(1);
  return 1;
}

// The data follow the header registers of the read list; the data start
// comes from the area itself, so an empty macro or script names it too.
bool CMainForm::RunEditor(const UploadArea& area) {
  const int header = area.IsMacro() ? 2 : 4;
  FormView::EditorHandOver handOver{
      &keyRegisters_,
      area.capacity,
      area.script,
      area.macro,
      area.mode,
      area.delayUnits,
      area.dataStart,
      static_cast<int>(transferList_.size()) - header,
      folders_.LibraryFolder(),
      area.IsMacro() ? kMacroEditorBackground : kScriptEditorBackground,
      [this](const FormView::EditedBytes& edit) { return StoreEditedBytes(edit); }};
  editArea_ = area;
  const int result = view_->RunScriptEditor(handOver);
  editArea_.reset();
  return result == 1;
}

int CMainForm::StoreEditedBytes(const FormView::EditedBytes& edit) {
  if (!editArea_) return 0;
  const UploadArea& area = *editArea_;
  protocol_.SetCachedValue(area.delayUnits, edit.delayUnits);
  protocol_.SetCachedValue(area.mode, edit.modeByte);
  const int total = static_cast<int>(edit.bytes.size());
  if (total > area.capacity) return 0;
  for (int i = 0; i < total; ++i)
    protocol_.SetCachedValue(area.dataStart + i, edit.bytes[static_cast<std::size_t>(i)]);
  protocol_.SetCachedValue(area.lengthLow, total & 0xFF);
  if (area.lengthHigh >= 0) protocol_.SetCachedValue(area.lengthHigh, total >> 8);
  return 1;
}

// Declining leaves what the editor stored marked changed in the cache.
bool CMainForm::ConfirmChange(const UploadArea& area) {
  return view_->RunBox(box_kind::kChange, ChangeQuestion(area), 0) == 1;
}

bool CMainForm::WriteArea(const UploadArea& area) {
  busy_ = false;
  if (!CheckDeviceReady()) return false;
  PrepareTransfer();
  if (!BuildAreaList(area, true)) return false;
  const int timer = WriteTimer(area);
  view_->SetTimer(timer, timer_id::kStepPeriodMs);
  busyAnimation_ = 0;
  view_->SetTimer(timer_id::kBusyAnimation, timer_id::kBusyAnimationPeriodMs);
  const int result = view_->RunBox(box_kind::kSaving, L"", 8);
  view_->KillTimer(timer_id::kBusyAnimation);
  if (result != 1) view_->KillTimer(timer);
  return result == 1;
}

// A failed write is reported: the writing box alone would close as it does
// after a good one.
int CMainForm::UploadWriteStep(int timer) {
  view_->KillTimer(timer);
  const int count = static_cast<int>(transferList_.size());
  if (listPosition_ < count) {
    if (!CommitForSave(transferList_[static_cast<std::size_t>(listPosition_)])) {
      view_->ShowStopMessage(Text(IDS_SAVE_CONFIG_FAILED));
      view_->CloseBox(2);
      return 0;
    }
    if (++listPosition_ < count) {
      view_->SetTimer(timer, timer_id::kStepPeriodMs);
      return 1;
    }
  }
  if (timer == timer_id::kScriptWrite) AfterWriteCommit();
  view_->CloseBox(1);
  return 1;
}
