#include "platform/SystemClock.h"

#include <thread>

Clock::Duration SystemClock::Now() const {
  return std::chrono::duration_cast<Duration>(
      std::chrono::steady_clock::now().time_since_epoch());
}

void SystemClock::Sleep(Duration span) { std::this_thread::sleep_for(span); }
