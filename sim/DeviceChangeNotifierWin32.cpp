#include "sim/DeviceChangeNotifierWin32.h"

#include <windows.h>
#include <dbt.h>

#include <cstring>
#include <vector>

namespace {

constexpr GUID kMouseInterface = {0x378DE44C, 0x56EF, 0x11D1,
                                  {0xBC, 0x8C, 0x00, 0xA0, 0xC9, 0x14, 0x05, 0xDD}};

void Notify(HidWindow window, bool arrival, std::u16string_view path) {
  // The record ends in the path, terminator included, as the system sends it.
  const std::size_t size = offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name) +
                           (path.size() + 1) * sizeof(wchar_t);
  std::vector<std::uint8_t> record(size, 0);
  auto* header = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_W*>(record.data());
  header->dbcc_size = static_cast<DWORD>(size);
  header->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
  header->dbcc_classguid = kMouseInterface;
  std::memcpy(header->dbcc_name, path.data(), path.size() * sizeof(wchar_t));
  // Sent, not posted: the record lives only for this call.
  SendMessageW(reinterpret_cast<HWND>(window), WM_DEVICECHANGE,
               arrival ? DBT_DEVICEARRIVAL : DBT_DEVICEREMOVECOMPLETE,
               reinterpret_cast<LPARAM>(header));
}

}  // namespace

VirtualHidBackend::Notifier WindowDeviceChangeNotifier() { return Notify; }
