// Classification of the running Windows version into the program's OS code.
// The program makes one decision on it: codes above 7 (NT 6.0 and later)
// load the horizontal-scroll hook library.
#pragma once

#include <cstdint>
#include <optional>

struct WindowsVersion {
  enum class Platform { Windows9x, NT, Other };
  Platform platform;
  std::uint32_t major;
  std::uint32_t minor;
};

// `version` is empty when the version query failed.
std::uint16_t ComputeOsCode(const std::optional<WindowsVersion>& version);
