// The controller types the register protocol knows: how many registers each
// has, how long its feature reports are, and what its identification
// register 0xBB holds.
#pragma once

#include <cstdint>
#include <optional>

struct SControllerType {
  std::uint16_t type;
  int registerCount;
  int reportLength;
  // Empty for a type that never identifies (type 0 skips identification).
  std::optional<std::uint8_t> identification;
};

// The entry of a selectable type; empty for any other (0x0604 included:
// it is known to the controller family but not selectable).
std::optional<SControllerType> FindControllerType(std::uint16_t type);
