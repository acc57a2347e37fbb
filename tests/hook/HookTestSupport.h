// A CHook on a fake platform, and tilts fed to its two procedures the way
// the system calls them.
#pragma once

#include <cstdint>
#include <memory>

#include "hook/Hook.h"
#include "tests/hook/FakeHookPlatform.h"

inline constexpr std::uintptr_t kWmMouseHWheel = 0x020E;

struct HookUnderTest {
  FakeHookPlatform fake;
  std::uint32_t directionFlag = 0;
  // Made on first use, so a test can set up the platform (the OS version is
  // read at construction) before it exists.
  CHook& Hook() {
    if (!hook_) hook_ = std::make_unique<CHook>(&fake, &directionFlag);
    return *hook_;
  }

  // A tilt arriving at `window` through the mouse hook; negative deltas are
  // tilts to the left.
  std::intptr_t Tilt(WindowHandle window, std::int16_t delta = 120) {
    const MouseHookEvent event{window, WheelData(delta)};
    return Hook().MouseProc(0, kWmMouseHWheel, reinterpret_cast<std::intptr_t>(&event));
  }

  // A tilt entering the input stream, seen by the low-level hook.
  std::intptr_t LowLevelTilt(std::int16_t delta) {
    const std::uint32_t mouseData = WheelData(delta);
    return Hook().LLMouseProc(0, kWmMouseHWheel, reinterpret_cast<std::intptr_t>(&mouseData));
  }

  static std::uint32_t WheelData(std::int16_t delta) {
    return static_cast<std::uint32_t>(static_cast<std::uint16_t>(delta)) << 16;
  }

 private:
  std::unique_ptr<CHook> hook_;
};
