#include "app/OsVersionWin32.h"

#include <windows.h>

#include "app/OsCode.h"

std::uint16_t QueryOsCode() {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof(info);
  if (!GetVersionExW(&info)) return ComputeOsCode(std::nullopt);
  WindowsVersion::Platform platform = WindowsVersion::Platform::Other;
  if (info.dwPlatformId == VER_PLATFORM_WIN32_NT) platform = WindowsVersion::Platform::NT;
  if (info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS)
    platform = WindowsVersion::Platform::Windows9x;
  return ComputeOsCode(WindowsVersion{platform, info.dwMajorVersion, info.dwMinorVersion});
}
