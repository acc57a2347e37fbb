#include "app/SettingsStoreWin32.h"

#include <windows.h>

#include <vector>

namespace {

HKEY RootKey(RegistryRoot root) {
  switch (root) {
    case RegistryRoot::ClassesRoot: return HKEY_CLASSES_ROOT;
    case RegistryRoot::LocalMachine: return HKEY_LOCAL_MACHINE;
    case RegistryRoot::CurrentUser: break;
  }
  return HKEY_CURRENT_USER;
}

// An open key, closed when it goes out of scope. Keys are opened with full
// access, as the program always has: a key the user may only read (the
// device keys without administrator rights) counts as not accessible.
class OpenedKey {
 public:
  OpenedKey(RegistryRoot root, const std::wstring& path, bool create) {
    status_ = create ? RegCreateKeyExW(RootKey(root), path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                       nullptr, &key_, nullptr)
                     : RegOpenKeyExW(RootKey(root), path.c_str(), 0, KEY_ALL_ACCESS, &key_);
    if (status_ != ERROR_SUCCESS) key_ = nullptr;
  }
  ~OpenedKey() {
    if (key_) RegCloseKey(key_);
  }
  OpenedKey(const OpenedKey&) = delete;
  OpenedKey& operator=(const OpenedKey&) = delete;

  HKEY get() const { return key_; }
  long status() const { return status_; }

 private:
  HKEY key_ = nullptr;
  long status_ = ERROR_SUCCESS;
};

// The characters of REG_SZ data: without its terminating zero, and cut at
// an embedded zero, as a reader of the string would see it.
std::wstring StringOfData(const std::vector<wchar_t>& data, DWORD bytes) {
  const std::size_t count = bytes / sizeof(wchar_t);
  std::wstring text(data.data(), count);
  const std::size_t zero = text.find(L'\0');
  if (zero != std::wstring::npos) text.resize(zero);
  return text;
}

}  // namespace

long CSettingsStoreWin32::OpenKey(RegistryRoot root, const std::wstring& path) {
  return OpenedKey(root, path, false).status();
}

long CSettingsStoreWin32::CreateKey(RegistryRoot root, const std::wstring& path) {
  return OpenedKey(root, path, true).status();
}

long CSettingsStoreWin32::ReadDword(RegistryRoot root, const std::wstring& path,
                                    const std::wstring& name, std::uint32_t& value) {
  OpenedKey key(root, path, false);
  if (!key.get()) return key.status();
  DWORD type = 0;
  DWORD data = 0;
  DWORD size = sizeof(data);
  const long status = RegQueryValueExW(key.get(), name.c_str(), nullptr, &type,
                                       reinterpret_cast<BYTE*>(&data), &size);
  if (status == ERROR_MORE_DATA) return kStoreBadData;
  if (status != ERROR_SUCCESS) return status;
  if (type != REG_DWORD || size != sizeof(data)) return kStoreBadData;
  value = data;
  return kStoreOk;
}

long CSettingsStoreWin32::ReadString(RegistryRoot root, const std::wstring& path,
                                     const std::wstring& name, std::wstring& text) {
  OpenedKey key(root, path, false);
  if (!key.get()) return key.status();
  for (;;) {
    DWORD type = 0;
    DWORD size = 0;
    long status = RegQueryValueExW(key.get(), name.c_str(), nullptr, &type, nullptr, &size);
    if (status != ERROR_SUCCESS) return status;
    if (type != REG_SZ) return kStoreBadData;
    std::vector<wchar_t> data(size / sizeof(wchar_t) + 1, L'\0');
    DWORD got = static_cast<DWORD>(data.size() * sizeof(wchar_t));
    status = RegQueryValueExW(key.get(), name.c_str(), nullptr, &type,
                              reinterpret_cast<BYTE*>(data.data()), &got);
    if (status == ERROR_MORE_DATA) continue;  // the value grew in between
    if (status != ERROR_SUCCESS) return status;
    if (type != REG_SZ) return kStoreBadData;
    text = StringOfData(data, got);
    return kStoreOk;
  }
}

long CSettingsStoreWin32::WriteDword(RegistryRoot root, const std::wstring& path,
                                     const std::wstring& name, std::uint32_t value) {
  OpenedKey key(root, path, false);
  if (!key.get()) return key.status();
  const DWORD data = value;
  return RegSetValueExW(key.get(), name.c_str(), 0, REG_DWORD,
                        reinterpret_cast<const BYTE*>(&data), sizeof(data));
}

long CSettingsStoreWin32::WriteString(RegistryRoot root, const std::wstring& path,
                                      const std::wstring& name, const std::wstring& text) {
  OpenedKey key(root, path, false);
  if (!key.get()) return key.status();
  const DWORD bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));  // with the zero
  return RegSetValueExW(key.get(), name.c_str(), 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(text.c_str()), bytes);
}

long CSettingsStoreWin32::DeleteValue(RegistryRoot root, const std::wstring& path,
                                      const std::wstring& name) {
  OpenedKey key(root, path, false);
  if (!key.get()) return key.status();
  return RegDeleteValueW(key.get(), name.c_str());
}

long CSettingsStoreWin32::EnumSubkey(RegistryRoot root, const std::wstring& path,
                                     std::uint32_t index, std::wstring& name) {
  OpenedKey key(root, path, false);
  if (!key.get()) return key.status();
  wchar_t buffer[256];  // key names have at most 255 characters
  DWORD length = static_cast<DWORD>(std::size(buffer));
  const long status =
      RegEnumKeyExW(key.get(), index, buffer, &length, nullptr, nullptr, nullptr, nullptr);
  if (status != ERROR_SUCCESS) return status;
  name.assign(buffer, length);
  return kStoreOk;
}
