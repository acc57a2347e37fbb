// The hook library's classification of the Windows version. It differs
// from the program's only for NT versions outside 3..6, which count as the
// newest kind here.
#pragma once

#include <cstdint>
#include <optional>

#include "hook/HookPlatform.h"

// `version` is empty when the version query failed.
std::uint16_t HookOsCode(const std::optional<OsVersion>& version);
