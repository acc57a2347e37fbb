// A clock that only moves when someone sleeps on it or advances it. Tests
// and the virtual mouse's latency use it; sleeping returns at once.
#pragma once

#include "platform/Clock.h"

class VirtualClock final : public Clock {
 public:
  Duration Now() const override { return now_; }
  void Sleep(Duration span) override { Advance(span); }

  void Advance(Duration span) { now_ += span; }

 private:
  Duration now_{0};
};
