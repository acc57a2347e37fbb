#include "app/OsCode.h"

namespace {

constexpr std::uint16_t kUnknownOsCode = 7;

std::uint16_t Windows9xCode(std::uint32_t major, std::uint32_t minor) {
  if (major != 4) return kUnknownOsCode;
  switch (minor) {
    case 0: return 0;
    case 10: return 2;
    case 90: return 3;
    default: return kUnknownOsCode;
  }
}

std::uint16_t NtCode(std::uint32_t major, std::uint32_t minor) {
  if (major == 3) return 4;
  if (major == 4) return 5;
  if (major == 5) return minor == 0 ? 5 : 7;
  if (major == 6) return minor == 0 ? 8 : 9;
  // Versions after 6.x (Windows 10 reports 10.0) are NT 6.1 and later in
  // every respect the code decides; calling them unknown would keep the
  // hook library from loading on every current Windows.
  if (major > 6) return 9;
  return kUnknownOsCode;
}

}  // namespace

std::uint16_t ComputeOsCode(const std::optional<WindowsVersion>& version) {
  if (!version) return kUnknownOsCode;
  switch (version->platform) {
    case WindowsVersion::Platform::Windows9x:
      return Windows9xCode(version->major, version->minor);
    case WindowsVersion::Platform::NT:
      return NtCode(version->major, version->minor);
    case WindowsVersion::Platform::Other:
      break;
  }
  return kUnknownOsCode;
}
