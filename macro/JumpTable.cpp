#include "macro/JumpTable.h"

#include <algorithm>

bool CJumpTable::Set(const JumpRecord& record) {
  auto it = std::find_if(records_.begin(), records_.end(),
                         [&](const JumpRecord& r) { return r.sourceRow == record.sourceRow; });
  const bool inRange = record.sourceRow >= 0 && record.sourceRow < kMaxSourceRow &&
                       record.targetOffset >= 0 && record.targetOffset < kMaxOffset;
  if (!inRange) {
    if (it != records_.end()) records_.erase(it);
    return false;
  }
  if (it != records_.end()) {
    *it = record;
    return true;
  }
  if (int(records_.size()) >= kMaxRecords) return false;
  records_.push_back(record);
  return true;
}

void CJumpTable::Remove(int sourceRow) {
  std::erase_if(records_, [&](const JumpRecord& r) { return r.sourceRow == sourceRow; });
}

const JumpRecord* CJumpTable::Find(int sourceRow) const {
  for (const JumpRecord& r : records_)
    if (r.sourceRow == sourceRow) return &r;
  return nullptr;
}
