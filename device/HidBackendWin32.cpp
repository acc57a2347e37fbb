#include "device/HidBackendWin32.h"

#include <dbt.h>

#include <algorithm>
#include <limits>
#include <vector>

namespace {

// GUID_DEVINTERFACE_MOUSE, spelled out so no GUID definitions need linking.
constexpr GUID kMouseInterface = {0x378DE44C, 0x56EF, 0x11D1,
                                  {0xBC, 0x8C, 0x00, 0xA0, 0xC9, 0x14, 0x05, 0xDD}};
// The string queries get a 128-byte buffer, as the device strings are short.
constexpr ULONG kStringBytes = kHidStringUnits * sizeof(wchar_t);

HANDLE AsHandle(HidHandle handle) { return reinterpret_cast<HANDLE>(handle); }

template <class Query>
std::optional<std::u16string> QueryString(Query query, HidHandle handle) {
  if (query == nullptr) return std::nullopt;
  wchar_t text[kHidStringUnits] = {L' '};
  if (!query(AsHandle(handle), text, kStringBytes)) return std::nullopt;
  std::size_t length = 0;
  while (length < kHidStringUnits && text[length] != L'\0') ++length;
  return std::u16string(reinterpret_cast<const char16_t*>(text), length);
}

bool Fits(std::size_t length) { return length <= std::numeric_limits<ULONG>::max(); }

}  // namespace

GUID HidBackendWin32::ClassGuid(HidClass cls) const {
  GUID guid = kMouseInterface;
  if (cls == HidClass::Hid) libraries_.fn.GetHidGuid(&guid);
  return guid;
}

std::optional<std::u16string> HidBackendWin32::InterfacePath(HDEVINFO set,
                                                             SP_DEVICE_INTERFACE_DATA& entry) const {
  // The detail record is sized by asking first, so no path is ever cut
  // short. Its size field holds the fixed part's size, which differs
  // between 32- and 64-bit programs.
  DWORD required = 0;
  libraries_.fn.GetDeviceInterfaceDetail(set, &entry, nullptr, 0, &required, nullptr);
  if (required < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W)) return std::nullopt;
  std::vector<std::uint8_t> record(required);
  auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(record.data());
  detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
  if (!libraries_.fn.GetDeviceInterfaceDetail(set, &entry, detail, required, nullptr, nullptr)) {
    return std::nullopt;
  }
  return std::u16string(reinterpret_cast<const char16_t*>(detail->DevicePath));
}

std::optional<std::vector<std::u16string>> HidBackendWin32::EnumerateInterfaces(
    HidClass cls, std::size_t maxCount) {
  if (!Available()) return std::nullopt;
  const GUID guid = ClassGuid(cls);
  HDEVINFO set = libraries_.fn.GetClassDevs(&guid, nullptr, nullptr,
                                            DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
  if (set == INVALID_HANDLE_VALUE) return std::nullopt;
  std::vector<std::u16string> paths;
  for (DWORD index = 0; paths.size() < maxCount; ++index) {
    SP_DEVICE_INTERFACE_DATA entry{};
    entry.cbSize = sizeof entry;
    // The end of the list and any other failure both end the walk: an
    // interface the call did not return must not be listed.
    if (!libraries_.fn.EnumDeviceInterfaces(set, nullptr, &guid, index, &entry)) break;
    auto path = InterfacePath(set, entry);
    if (!path) break;
    paths.push_back(std::move(*path));
  }
  libraries_.fn.DestroyDeviceInfoList(set);
  return paths;
}

HidHandle HidBackendWin32::Open(std::u16string_view path, HidAccess access) {
  // A path with an embedded terminator would open a shorter one.
  if (path.empty() || path.find(u'\0') != std::u16string_view::npos) return kInvalidHidHandle;
  const std::wstring name(path.begin(), path.end());
  const DWORD rights = access == HidAccess::Write ? GENERIC_WRITE : 0;
  HANDLE handle = CreateFileW(name.c_str(), rights, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  return reinterpret_cast<HidHandle>(handle);
}

bool HidBackendWin32::Close(HidHandle handle) {
  return handle != kInvalidHidHandle && CloseHandle(AsHandle(handle));
}

std::optional<HidAttributes> HidBackendWin32::GetAttributes(HidHandle handle) {
  if (!Available()) return std::nullopt;
  HIDD_ATTRIBUTES attributes{};
  attributes.Size = sizeof attributes;
  if (!libraries_.fn.GetAttributes(AsHandle(handle), &attributes)) return std::nullopt;
  return HidAttributes{attributes.VendorID, attributes.ProductID, attributes.VersionNumber};
}

std::optional<std::u16string> HidBackendWin32::GetProductString(HidHandle handle) {
  return QueryString(libraries_.fn.GetProductString, handle);
}

std::optional<std::u16string> HidBackendWin32::GetManufacturerString(HidHandle handle) {
  return QueryString(libraries_.fn.GetManufacturerString, handle);
}

// Reports go out at the length the caller gives: the mouse's feature report
// is exactly the controller type's length, so nothing is padded here.
bool HidBackendWin32::SetFeature(HidHandle handle, const std::uint8_t* report,
                                 std::size_t length) {
  if (!Available() || !Fits(length)) return false;
  std::vector<std::uint8_t> copy(report, report + length);  // the call takes a writable buffer
  return libraries_.fn.SetFeature(AsHandle(handle), copy.data(), static_cast<ULONG>(length));
}

bool HidBackendWin32::GetFeature(HidHandle handle, std::uint8_t* report, std::size_t length) {
  if (!Available() || !Fits(length)) return false;
  return libraries_.fn.GetFeature(AsHandle(handle), report, static_cast<ULONG>(length));
}

std::optional<std::size_t> HidBackendWin32::ReadInput(HidHandle handle, std::uint8_t* buffer,
                                                      std::size_t capacity) {
  DWORD read = 0;
  const DWORD size = static_cast<DWORD>(std::min<std::size_t>(capacity, MAXDWORD));
  if (!ReadFile(AsHandle(handle), buffer, size, &read, nullptr)) return std::nullopt;
  return read;
}

HidNotifyHandle HidBackendWin32::RegisterNotify(HidWindow window, HidClass cls) {
  if (!Available()) return 0;
  DEV_BROADCAST_DEVICEINTERFACE_W filter{};
  filter.dbcc_size = sizeof filter;
  filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
  filter.dbcc_classguid = ClassGuid(cls);
  HDEVNOTIFY handle = RegisterDeviceNotificationW(reinterpret_cast<HWND>(window), &filter,
                                                  DEVICE_NOTIFY_WINDOW_HANDLE);
  return reinterpret_cast<HidNotifyHandle>(handle);
}

bool HidBackendWin32::UnregisterNotify(HidNotifyHandle handle) {
  return handle != 0 && UnregisterDeviceNotification(reinterpret_cast<HDEVNOTIFY>(handle));
}
