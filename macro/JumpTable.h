// The records that let edits keep jump targets pointing at the same
// command: one per jump row, keyed by that row.
#pragma once

#include <vector>

struct JumpRecord {
  int sourceRow;
  int targetRow;  // -1 while the target resolves to no row
  int targetOffset;
};

class CJumpTable {
 public:
  static constexpr int kMaxRecords = 128;
  static constexpr int kMaxSourceRow = 2200;
  static constexpr int kMaxOffset = 512;

  void Clear() { records_.clear(); }

  // Replaces the source row's record or adds one. A record that cannot be
  // kept (table full, source row or offset out of range) drops any old one
  // of that row, so the jump is no longer followed. Returns whether it is kept.
  bool Set(const JumpRecord& record);
  void Remove(int sourceRow);
  const JumpRecord* Find(int sourceRow) const;

  std::vector<JumpRecord>& Records() { return records_; }
  const std::vector<JumpRecord>& Records() const { return records_; }

 private:
  std::vector<JumpRecord> records_;
};
