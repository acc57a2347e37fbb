// The mouse's activity lights during a timed transfer: one light at a time
// walks over the enabled positions of an eight-place ring (positions 4 and
// 7 stay dark), switched by control commands (6, 0, n) off and (6, 1, n)
// on, with n = position + 1.
#pragma once

#include <optional>

struct IndicatorStep {
  std::optional<int> switchOff;  // n of (6, 0, n), when one is sent
  std::optional<int> switchOn;  // n of (6, 1, n), when one is sent
  int cursor;  // the cursor afterwards
};

// One step from `cursor` (0 at the start of every timed transfer). The
// light at position 0 is never switched off: from 0 only the next one is
// switched on.
IndicatorStep NextIndicatorStep(int cursor);
