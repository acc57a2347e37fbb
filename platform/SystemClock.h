// The real clock: the steady clock of the machine and real sleeping.
#pragma once

#include "platform/Clock.h"

class SystemClock final : public Clock {
 public:
  Duration Now() const override;
  void Sleep(Duration span) override;
};
