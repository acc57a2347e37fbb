#include "macro/SkinLVCmdList.h"

#include <algorithm>
#include <string>

#include "editions/Edition.h"
#include "macro/CommandLanguage.h"
#include "macro/CommandText.h"

namespace cl = command_language;

namespace {

// Stands in when no control is attached (files, tests of the model alone).
class NullCmdListView : public CmdListView {
 public:
  void AddColumn(int, const std::wstring&, int) override {}
  void InsertItem(int, const std::wstring&) override {}
  void DeleteItem(int) override {}
  void DeleteAllItems() override {}
  void SetCell(int, int, const std::wstring&, int) override {}
  void SetSelected(int, bool) override {}
  void FocusRow(int) override {}
  void ShowScrollBar(bool) override {}
};

enum Column { kItemColumn, kLineColumn, kTextColumn, kDelayColumn };

int SubOf(const CommandRow& row) { return row.opcode == cl::kScript ? row.operands[0] : 0; }
bool IsJump(const CommandRow& row) { return cl::JumpOperandIndex(row.opcode, SubOf(row)) >= 0; }
int CommandBytes(const CommandRow& row) { return cl::CommandLength(row.opcode, SubOf(row)); }

int Word(std::span<const std::uint8_t> c, int i) { return c[i] | (c[i + 1] << 8); }

}  // namespace

CmdListView& CSkinLVCmdList::View() const {
  static NullCmdListView none;
  return view_ ? *view_ : none;
}

// [SECTION] building -------------------------------------------------------

void CSkinLVCmdList::Initialise(CmdListView* view, bool withIcons) {
  view_ = view;
  withIcons_ = withIcons;
  View().AddColumn(kItemColumn, Text(IDS_COL_NUMBER), 0);
  View().AddColumn(kLineColumn, Text(IDS_COL_NUMBER), 50);
  View().AddColumn(kTextColumn, Text(IDS_COL_COMMAND), 153);
  View().AddColumn(kDelayColumn, Text(IDS_COL_DELAY), 81);
  Clear();
}

void CSkinLVCmdList::Clear() {
  View().DeleteAllItems();
  rows_.clear();
  selected_.clear();
  jumps_.Clear();
  usedBytes_ = 0;
  currentRow_ = 0;
  scrollBarShown_ = false;
  View().ShowScrollBar(false);
}

int CSkinLVCmdList::AppendCommand(int opcode, int p1, int p2) {
  if (opcode == cl::kDelay) return rows_.empty() ? -1 : AddDelay(RowCount() - 1, p1);
  return Append(cl::MakeCommand(opcode, 0, p1, p2));
}

int CSkinLVCmdList::AppendScriptCommand(int sub, int p1, int p2) {
  return Append(cl::MakeCommand(cl::kScript, sub, p1, p2));
}

int CSkinLVCmdList::Append(const CommandRow& command) {
  if (command.bytes == 0 || RowCount() >= kMaxRows) return kFull;
  if (usedBytes_ + command.bytes > capacity_) return kFull;
  const int row = RowCount();
  rows_.push_back(command);
  selected_.push_back(false);
  usedBytes_ += command.bytes;
  View().InsertItem(row, std::to_wstring(row + 1));
  if (IsJump(command)) SetJump(row, cl::JumpTarget(command));
  RefreshText(row);
  DrawRow(row);
  UpdateScrollBar();
  return row;
}

int CSkinLVCmdList::InsertCommand(int index, int opcode, int p1, int p2) {
  index = SelectedIndex(index);
  if (index < 0) return 0;
  if (opcode != cl::kDelay) return Insert(index, cl::MakeCommand(opcode, 0, p1, p2));
  if (index == 0) return 0;
  return AddDelay(index - 1, p1) == kFull ? kFull : index;
}

int CSkinLVCmdList::InsertScriptCommand(int index, int sub, int p1, int p2) {
  index = SelectedIndex(index);
  if (index < 0) return 0;
  return Insert(index, cl::MakeCommand(cl::kScript, sub, p1, p2));
}

int CSkinLVCmdList::SelectedIndex(int index) const {
  if (index != kSelectedRow) return std::clamp(index, 0, RowCount());
  std::vector<int> selected = SelectedRows();
  return selected.size() == 1 ? selected[0] : -1;
}

int CSkinLVCmdList::Insert(int index, const CommandRow& command) {
  if (index >= RowCount()) {
    int row = Append(command);
    return row < 0 ? row : row + 1;
  }
  if (command.bytes == 0 || RowCount() >= kMaxRows) return kFull;
  if (usedBytes_ + command.bytes > capacity_) return kFull;
  rows_.insert(rows_.begin() + index, command);
  selected_.insert(selected_.begin() + index, false);
  usedBytes_ += command.bytes;
  View().InsertItem(index, std::to_wstring(index + 1));
  for (JumpRecord& r : jumps_.Records()) {
    if (r.sourceRow >= index) ++r.sourceRow;
    if (r.targetRow >= index) {
      ++r.targetRow;
      r.targetOffset += command.bytes;
    }
  }
  ResetJumps();
  if (IsJump(command)) SetJump(index, cl::JumpTarget(command));
  RefreshText(index);
  DrawRow(index);
  DrawLineNumbers(index + 1);
  UpdateScrollBar();
  return index + 1;
}

int CSkinLVCmdList::SetCommand(int row, int opcode, int p1, int p2) {
  if (opcode == cl::kDelay) return 0;
  return Set(row, cl::MakeCommand(opcode, 0, p1, p2));
}

int CSkinLVCmdList::SetScriptCommand(int row, int sub, int p1, int p2) {
  return Set(row, cl::MakeCommand(cl::kScript, sub, p1, p2));
}

int CSkinLVCmdList::Set(int row, const CommandRow& command) {
  if (row < 0 || row >= RowCount() || command.bytes == 0) return 0;
  CommandRow& target = rows_[row];
  const int delta = command.bytes + cl::DelayPairBytes(target.delay) - target.bytes;
  if (usedBytes_ + delta > capacity_) return kFull;
  target.opcode = command.opcode;
  target.operands = command.operands;
  target.bytes += delta;
  usedBytes_ += delta;
  ShiftTargetsAfter(row, delta);
  if (IsJump(target)) SetJump(row, cl::JumpTarget(target));
  else jumps_.Remove(row);
  RefreshText(row);
  DrawRow(row);
  return 1;
}

int CSkinLVCmdList::EncodeRow(int row, std::vector<std::uint8_t>& out) const {
  if (row < 0 || row >= RowCount()) return 0;
  cl::EncodeRow(rows_[row], out);
  return rows_[row].bytes;
}

std::vector<std::uint8_t> CSkinLVCmdList::Encode() const {
  std::vector<std::uint8_t> out;
  out.reserve(usedBytes_);
  for (const CommandRow& row : rows_) cl::EncodeRow(row, out);
  return out;
}

void CSkinLVCmdList::Decode(std::span<const std::uint8_t> bytes) {
  Clear();
  std::size_t offset = 0;
  while (offset < bytes.size()) {
    const int b0 = bytes[offset];
    const int sub = offset + 1 < bytes.size() ? bytes[offset + 1] : 0;
    int length = b0 == cl::kScript && sub > cl::kSubAssign ? 2 : cl::CommandLength(b0, sub);
    // A command the data cuts off is dropped, never completed with bytes
    // that belong to something else.
    if (offset + length > bytes.size()) break;
    DecodeCommand(bytes.subspan(offset, length));
    offset += length;
  }
  FixPendingJumps();
}

void CSkinLVCmdList::DecodeCommand(std::span<const std::uint8_t> c) {
  switch (c[0]) {
    case cl::kDelay: AppendCommand(cl::kDelay, c[1]); break;
    case cl::kLoopStart: AppendCommand(cl::kLoopStart, c[1] + 1); break;
    case cl::kConsumer:
    case cl::kLoopEnd: AppendCommand(c[0], Word(c, 1)); break;
    case cl::kMotion: AppendCommand(cl::kMotion, Word(c, 1), Word(c, 3)); break;
    case cl::kScript:
      if (c[1] == cl::kSubGoto) AppendScriptCommand(cl::kSubGoto, Word(c, 2));
      else if (c[1] == cl::kSubAssign) AppendScriptCommand(cl::kSubAssign, c[2], c[3]);
      else if (c[1] <= cl::kSubAssign) AppendScriptCommand(c[1], Word(c, 2), Word(c, 4));
      break;
    default: AppendCommand(c[0]); break;
  }
}

// Forward jumps resolved to no row while their targets were still to come.
void CSkinLVCmdList::FixPendingJumps() {
  for (int row = 0, start = 0; row < RowCount(); start += rows_[row++].bytes) {
    const CommandRow& r = rows_[row];
    if (!IsJump(r) || cl::JumpTarget(r) <= start) continue;
    if (r.opcode == cl::kLoopEnd) SetJump(row, start + CommandBytes(r));
    else SetJump(row, cl::JumpTarget(r));
    RefreshText(row);
    DrawRow(row);
  }
}

// [SECTION] editing --------------------------------------------------------

int CSkinLVCmdList::AddDelay(int row, int units) {
  if (row < 0 || row >= RowCount()) return -1;
  // More units than any capacity can carry are refused before they can
  // overflow the count.
  constexpr long long kMostDelay = 255LL * 4096;
  const long long delay = rows_[row].delay + static_cast<long long>(std::max(units, 0));
  if (delay > kMostDelay || ResizeRow(row, int(delay)) == kFull) return kFull;
  return row;
}

int CSkinLVCmdList::ResizeRow(int row, int delay) {
  if (row < 0 || row >= RowCount()) return 0;
  CommandRow& r = rows_[row];
  const int newDelay = std::max(delay, 1);
  // The check is on the bytes the new delay really adds: a larger count can
  // add no byte at all, or a second pair.
  const int delta = CommandBytes(r) + cl::DelayPairBytes(newDelay) - r.bytes;
  if (usedBytes_ + delta > capacity_) return kFull;
  usedBytes_ += delta;
  r.delay = newDelay;
  r.bytes += delta;
  ShiftTargetsAfter(row, delta);
  DrawRow(row);
  return 1;
}

void CSkinLVCmdList::DeleteSelected() {
  std::vector<int> doomed = SelectedRows();
  if (doomed.empty()) return;
  std::vector<int> newIndex(RowCount(), -1);
  for (int row = 0, kept = 0; row < RowCount(); ++row)
    if (!selected_[row]) newIndex[row] = kept++;
  for (auto it = doomed.rbegin(); it != doomed.rend(); ++it) {
    View().DeleteItem(*it);
    usedBytes_ -= rows_[*it].bytes;
    rows_.erase(rows_.begin() + *it);
  }
  selected_.assign(rows_.size(), false);
  std::erase_if(jumps_.Records(), [&](const JumpRecord& r) { return newIndex[r.sourceRow] < 0; });
  for (JumpRecord& r : jumps_.Records()) {
    r.sourceRow = newIndex[r.sourceRow];
    if (r.targetRow < 0) continue;
    r.targetRow = std::max(newIndex[r.targetRow], 0);
    r.targetOffset = StartOffset(r.targetRow);
  }
  ResetJumps();
  DrawLineNumbers(0);
  UpdateScrollBar();
  if (!rows_.empty()) SelectRow(std::min(doomed.front(), RowCount() - 1));
  else currentRow_ = 0;
}

void CSkinLVCmdList::MoveSelectedUp() {
  std::vector<int> selected = SelectedRows();
  if (selected.size() != 1 || selected[0] == 0) return;
  SwapWithNext(selected[0] - 1);
  SelectRow(selected[0] - 1);
}

void CSkinLVCmdList::MoveSelectedDown() {
  std::vector<int> selected = SelectedRows();
  if (selected.size() != 1 || selected[0] + 1 >= RowCount()) return;
  SwapWithNext(selected[0]);
  SelectRow(selected[0] + 1);
}

void CSkinLVCmdList::SwapWithNext(int upper) {
  std::swap(rows_[upper], rows_[upper + 1]);
  auto other = [upper](int row) { return 2 * upper + 1 - row; };
  for (JumpRecord& r : jumps_.Records()) {
    if (r.sourceRow == upper || r.sourceRow == upper + 1) r.sourceRow = other(r.sourceRow);
    if (r.targetRow == upper || r.targetRow == upper + 1) {
      r.targetRow = other(r.targetRow);
      r.targetOffset = StartOffset(r.targetRow);
    }
  }
  ResetJumps();
  DrawRow(upper);
  DrawRow(upper + 1);
}

void CSkinLVCmdList::SetTickLength(int ms) {
  tickMs_ = ms;
  for (int row = 0; row < RowCount(); ++row)
    View().SetCell(row, kDelayColumn, DelayText(rows_[row].delay, tickMs_), -1);
}

void CSkinLVCmdList::SelectRow(int row) {
  if (row < 0 || row >= RowCount()) return;
  for (int i = 0; i < RowCount(); ++i) SetSelected(i, i == row);
  currentRow_ = row;
  View().FocusRow(row);
}

void CSkinLVCmdList::SetSelected(int row, bool selected) {
  if (row < 0 || row >= RowCount() || selected_[row] == selected) return;
  selected_[row] = selected;
  View().SetSelected(row, selected);
}

std::vector<int> CSkinLVCmdList::SelectedRows() const {
  std::vector<int> rows;
  for (int row = 0; row < RowCount(); ++row)
    if (selected_[row]) rows.push_back(row);
  return rows;
}

int CSkinLVCmdList::StartOffset(int row) const {
  int offset = 0;
  for (int i = 0; i < row && i < RowCount(); ++i) offset += rows_[i].bytes;
  return offset;
}

// [SECTION] jump maintenance -----------------------------------------------

int CSkinLVCmdList::Resolve(int offset) const {
  int start = 0;
  for (int row = 0; row < RowCount(); ++row) {
    if (start >= offset) return row;
    start += rows_[row].bytes;
  }
  return -1;
}

void CSkinLVCmdList::SetJump(int row, int offset) {
  cl::SetJumpTarget(rows_[row], offset);
  jumps_.Set({row, Resolve(offset), offset});
}

void CSkinLVCmdList::SetJumpAgain(const JumpRecord& record) {
  cl::SetJumpTarget(rows_[record.sourceRow], record.targetOffset);
  RefreshText(record.sourceRow);
  DrawRow(record.sourceRow);
}

void CSkinLVCmdList::ShiftTargetsAfter(int row, int delta) {
  if (delta == 0) return;
  for (JumpRecord& r : jumps_.Records()) {
    if (r.targetRow <= row) continue;
    r.targetOffset += delta;
    SetJumpAgain(r);
  }
}

void CSkinLVCmdList::ResetJumps() {
  for (const JumpRecord& r : jumps_.Records()) SetJumpAgain(r);
}

// [SECTION] cells ----------------------------------------------------------

void CSkinLVCmdList::RefreshText(int row) {
  CommandRow& r = rows_[row];
  int target = -1;
  if (const JumpRecord* record = jumps_.Find(row)) target = record->targetRow;
  else if (IsJump(r)) target = Resolve(cl::JumpTarget(r));
  r.text = CommandText(r, target + 1);
  r.icon = CommandIcon(r);
}

void CSkinLVCmdList::DrawRow(int row) {
  const CommandRow& r = rows_[row];
  View().SetCell(row, kLineColumn, std::to_wstring(row + 1), -1);
  View().SetCell(row, kTextColumn, r.text, withIcons_ ? r.icon : -1);
  View().SetCell(row, kDelayColumn, DelayText(r.delay, tickMs_), -1);
}

void CSkinLVCmdList::DrawLineNumbers(int from) {
  for (int row = from; row < RowCount(); ++row)
    View().SetCell(row, kLineColumn, std::to_wstring(row + 1), -1);
}

void CSkinLVCmdList::UpdateScrollBar() {
  const bool shown = RowCount() >= kScrollBarRows;
  if (shown == scrollBarShown_) return;
  scrollBarShown_ = shown;
  View().ShowScrollBar(shown);
}
