// The OS code of the Windows this program runs on.
#pragma once

#include <cstdint>

std::uint16_t QueryOsCode();
