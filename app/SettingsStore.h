// The settings-store port: values under registry-like keys.
//
// Every call opens its key with full access, does one thing and closes the
// key again, so no key stays open between calls. Calls return 0 on success
// or the system's error code; the codes below are the ones portable code
// and the in-memory store use, and the same numbers Windows reports.
#pragma once

#include <cstdint>
#include <string>

enum class RegistryRoot { ClassesRoot, CurrentUser, LocalMachine };

inline constexpr long kStoreOk = 0;
inline constexpr long kStoreNotFound = 2;
inline constexpr long kStoreAccessDenied = 5;
inline constexpr long kStoreBadData = 13;  // the value has another type
inline constexpr long kStoreNoMoreItems = 259;

class CSettingsStore {
 public:
  virtual ~CSettingsStore() = default;

  // `path` is a subkey below `root` with '\' between the names; key and
  // value names compare without regard to letter case. An empty value name
  // is the key's default value.

  // Opens an existing key (fails when it is missing or not accessible).
  virtual long OpenKey(RegistryRoot root, const std::wstring& path) = 0;
  // Opens the key, creating it and missing parents.
  virtual long CreateKey(RegistryRoot root, const std::wstring& path) = 0;

  // Reads a 32-bit value; kStoreBadData for a value of another type.
  virtual long ReadDword(RegistryRoot root, const std::wstring& path, const std::wstring& name,
                         std::uint32_t& value) = 0;
  // Reads a string value, whole, without its terminating zero.
  virtual long ReadString(RegistryRoot root, const std::wstring& path, const std::wstring& name,
                          std::wstring& text) = 0;

  // Writes into an existing key: writes never create keys.
  virtual long WriteDword(RegistryRoot root, const std::wstring& path, const std::wstring& name,
                          std::uint32_t value) = 0;
  virtual long WriteString(RegistryRoot root, const std::wstring& path, const std::wstring& name,
                           const std::wstring& text) = 0;

  virtual long DeleteValue(RegistryRoot root, const std::wstring& path,
                           const std::wstring& name) = 0;

  // The name of subkey number `index`; kStoreNoMoreItems past the last.
  virtual long EnumSubkey(RegistryRoot root, const std::wstring& path, std::uint32_t index,
                          std::wstring& name) = 0;
};
