#include "sim/HidBackendChoiceWin32.h"

#include <windows.h>

#include "device/HidBackendWin32.h"
#include "sim/DeviceChangeNotifierWin32.h"
#include "sim/VirtualMouseOptions.h"

namespace {

std::optional<std::u16string> Environment(std::string_view name) {
  const std::wstring wide(name.begin(), name.end());
  const DWORD size = GetEnvironmentVariableW(wide.c_str(), nullptr, 0);
  if (size == 0) return std::nullopt;
  std::wstring value(size, L'\0');
  const DWORD length = GetEnvironmentVariableW(wide.c_str(), value.data(), size);
  if (length == 0 || length >= size) return std::nullopt;
  value.resize(length);
  return std::u16string(value.begin(), value.end());
}

}  // namespace

std::unique_ptr<HidPort> ChooseHidBackend(Clock& clock, std::string& problems) {
  const auto options = ReadVirtualMouseOptions(Environment, problems);
  if (!options) return std::make_unique<HidBackendWin32>();
  auto mice = MakeVirtualMice(*options, clock, problems);
  mice->SetNotifier(WindowDeviceChangeNotifier());
  return mice;
}
