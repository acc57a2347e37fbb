// The clock port: the one way portable code reads time and waits. Every
// retry pause and settle wait goes through it, so tests run on a virtual
// clock and twenty failed attempts cost no real time.
#pragma once

#include <chrono>

class Clock {
 public:
  using Duration = std::chrono::milliseconds;

  virtual ~Clock() = default;
  // Time since an arbitrary start; never goes backwards.
  virtual Duration Now() const = 0;
  // Blocks the caller for `span` (the virtual clock just advances).
  virtual void Sleep(Duration span) = 0;
};
