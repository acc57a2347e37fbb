#include "device/ControllerType.h"

#include <array>

namespace {

constexpr std::uint8_t kGen6 = 0x54;
constexpr std::uint8_t kGen7 = 0x70;

const std::array<SControllerType, 20> kTypes{{
    {0x0000, 256, 9, std::nullopt},
    {0x0603, 6169, 6, kGen6},
    {0x0701, 6169, 6, kGen7},
    {0x0703, 6892, 6, kGen7},
    {0x0704, 6892, 6, kGen7},
    {0x0705, 6892, 6, kGen7},
    {0x0706, 6892, 6, kGen7},
    {0x0707, 6892, 6, kGen7},
    {0x0708, 6892, 6, kGen7},
    {0x0709, 6892, 6, kGen7},
    {0x0710, 6892, 6, kGen7},
    {0x0711, 6892, 6, kGen7},
    {0x0801, 1024, 6, 0x58},
    {0x0802, 1024, 6, 0x58},
    {0x0901, 6892, 6, kGen7},
    {0x1001, 6892, 6, 0xA2},
    {0x1201, 6892, 9, 0xA4},
    {0x1202, 6892, 9, 0xA4},
    {0x1203, 6892, 9, std::nullopt},
    {0x1301, 3633, 6, 0x41},
}};

}  // namespace

std::optional<SControllerType> FindControllerType(std::uint16_t type) {
  for (const SControllerType& t : kTypes) {
    if (t.type == type) return t;
  }
  return std::nullopt;
}
