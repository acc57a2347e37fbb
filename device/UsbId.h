// One USB identity: vendor and product id.
#pragma once

#include <cstdint>

struct SUsbId {
  std::uint16_t VID;
  std::uint16_t PID;
};
static_assert(sizeof(SUsbId) == 4);
