// How many line steps one horizontal tilt is worth, from the system's wheel
// scroll lines setting. Shared by the hook library and the program, which
// repeat scroll messages, clicks or arrow keys that many times.
#pragma once

#include <cstdint>
#include <optional>

// The system's own default, used when the setting cannot be read.
inline constexpr std::uint32_t kDefaultWheelScrollLines = 3;
// A page-wise setting (or any large one) would repeat for too long.
inline constexpr int kMaxWheelRepeat = 30;

constexpr int WheelRepeatCount(std::optional<std::uint32_t> wheelScrollLines) {
  const std::uint32_t lines = wheelScrollLines.value_or(kDefaultWheelScrollLines);
  if (lines == 0) return 1;
  if (lines >= kMaxWheelRepeat) return kMaxWheelRepeat;
  return static_cast<int>(lines);
}
