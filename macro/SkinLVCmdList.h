// The macro or script the editor holds: its command rows, the byte budget,
// the jump records that keep targets on their commands through edits, and
// the list-view cells that show it (through CmdListView).
//
// [SECTION] building: Clear, append, insert, set, decode
// [SECTION] editing: resize, delete, move, tick, selection
// [SECTION] jump maintenance
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "macro/CmdListView.h"
#include "macro/CommandRow.h"
#include "macro/JumpTable.h"

class CSkinLVCmdList {
 public:
  static constexpr int kMaxRows = 2200;
  static constexpr int kFull = -3;
  static constexpr int kSelectedRow = -2;
  static constexpr int kDefaultTickMs = 12;
  static constexpr int kScrollBarRows = 7;

  CSkinLVCmdList() = default;
  virtual ~CSkinLVCmdList() = default;
  CSkinLVCmdList(const CSkinLVCmdList&) = delete;
  CSkinLVCmdList& operator=(const CSkinLVCmdList&) = delete;

  // Attaches the view (may be null), writes its columns, then clears.
  void Initialise(CmdListView* view, bool withIcons);
  void Clear();
  // The byte budget; set while the list is empty (125, 256 or 512).
  void SetCapacity(int bytes) { capacity_ = bytes; }

  // Row index, -1 (a delay with no row to carry it) or kFull.
  int AppendCommand(int opcode, int p1 = 0, int p2 = 0);
  int AppendScriptCommand(int sub, int p1, int p2 = 0);
  // Next insertion index, 0 (index kSelectedRow without exactly one selected
  // row) or kFull. A delay goes onto the row before index.
  int InsertCommand(int index, int opcode, int p1 = 0, int p2 = 0);
  int InsertScriptCommand(int index, int sub, int p1, int p2 = 0);
  // 1, 0 for a row that does not exist, kFull when the new command does not fit.
  int SetCommand(int row, int opcode, int p1, int p2 = 0);
  int SetScriptCommand(int row, int sub, int p1, int p2 = 0);

  int EncodeRow(int row, std::vector<std::uint8_t>& out) const;
  std::vector<std::uint8_t> Encode() const;
  // Replaces the list by the decoded commands. Commands that do not fit the
  // capacity, or that the data cuts off, are dropped.
  void Decode(std::span<const std::uint8_t> bytes);

  // 1, 0 for a row that does not exist, kFull when the bytes would not fit.
  int ResizeRow(int row, int delay);
  void DeleteSelected();
  void MoveSelectedUp();
  void MoveSelectedDown();
  void SetTickLength(int ms);
  void SelectRow(int row);
  // The view reports the user's selection here.
  void SetSelected(int row, bool selected);

  int RowCount() const { return int(rows_.size()); }
  const CommandRow& Row(int row) const { return rows_[row]; }
  int Capacity() const { return capacity_; }
  int UsedBytes() const { return usedBytes_; }
  int TickLength() const { return tickMs_; }
  int CurrentRow() const { return currentRow_; }
  bool ScrollBarShown() const { return scrollBarShown_; }
  std::vector<int> SelectedRows() const;
  int StartOffset(int row) const;
  const CJumpTable& Jumps() const { return jumps_; }

 private:
  int Append(const CommandRow& command);
  int Insert(int index, const CommandRow& command);
  int Set(int row, const CommandRow& command);
  int AddDelay(int row, int units);
  void SwapWithNext(int upper);
  int SelectedIndex(int index) const;
  void DecodeCommand(std::span<const std::uint8_t> c);
  void FixPendingJumps();

  int Resolve(int offset) const;
  void SetJump(int row, int offset);
  void SetJumpAgain(const JumpRecord& record);
  void ShiftTargetsAfter(int row, int delta);
  void ResetJumps();

  void RefreshText(int row);
  void DrawRow(int row);
  void DrawLineNumbers(int from);
  void UpdateScrollBar();
  CmdListView& View() const;

  CmdListView* view_ = nullptr;
  bool withIcons_ = false;
  std::vector<CommandRow> rows_;
  std::vector<bool> selected_;
  CJumpTable jumps_;
  int capacity_ = 0;
  int usedBytes_ = 0;
  int tickMs_ = kDefaultTickMs;
  int currentRow_ = 0;
  bool scrollBarShown_ = false;
};
