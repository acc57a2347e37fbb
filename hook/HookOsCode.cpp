#include "hook/HookOsCode.h"

namespace {

constexpr std::uint16_t kUnknown = 7;

std::uint16_t Windows9xCode(const OsVersion& v) {
  if (v.major != 4) return kUnknown;
  if (v.minor == 0) return 0;
  if (v.minor == 10) return 2;
  if (v.minor == 90) return 3;
  return kUnknown;
}

std::uint16_t NtCode(const OsVersion& v) {
  if (v.major == 3) return 4;
  if (v.major == 4) return 5;
  if (v.major == 5) return v.minor == 0 ? 5 : 7;
  if (v.major == 6 && v.minor == 0) return 8;
  return 9;
}

}  // namespace

std::uint16_t HookOsCode(const std::optional<OsVersion>& version) {
  if (!version) return kUnknown;
  if (version->platform == OsVersion::Platform::Windows9x) return Windows9xCode(*version);
  if (version->platform == OsVersion::Platform::NT) return NtCode(*version);
  return kUnknown;
}
