// The settings store kept in memory: the store of native tests and of any
// run that must leave the system's registry alone. Keys can be made
// inaccessible, as a key needing administrator rights is to a user.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <variant>
#include <vector>

#include "app/SettingsStore.h"

class CMemorySettingsStore : public CSettingsStore {
 public:
  long OpenKey(RegistryRoot root, const std::wstring& path) override;
  long CreateKey(RegistryRoot root, const std::wstring& path) override;
  long ReadDword(RegistryRoot root, const std::wstring& path, const std::wstring& name,
                 std::uint32_t& value) override;
  long ReadString(RegistryRoot root, const std::wstring& path, const std::wstring& name,
                  std::wstring& text) override;
  long WriteDword(RegistryRoot root, const std::wstring& path, const std::wstring& name,
                  std::uint32_t value) override;
  long WriteString(RegistryRoot root, const std::wstring& path, const std::wstring& name,
                   const std::wstring& text) override;
  long DeleteValue(RegistryRoot root, const std::wstring& path, const std::wstring& name) override;
  long EnumSubkey(RegistryRoot root, const std::wstring& path, std::uint32_t index,
                  std::wstring& name) override;

  // The key and everything below it refuse to open from now on.
  void DenyAccess(RegistryRoot root, const std::wstring& path);

  // A value of a type the program never writes (binary), for unreadable data.
  void PutBinary(RegistryRoot root, const std::wstring& path, const std::wstring& name,
                 std::vector<unsigned char> bytes);

  bool HasKey(RegistryRoot root, const std::wstring& path) const;
  // A string value as stored, whatever the key's access.
  std::optional<std::wstring> PeekString(RegistryRoot root, const std::wstring& path,
                                         const std::wstring& name) const;
  bool HasValue(RegistryRoot root, const std::wstring& path, const std::wstring& name) const;

 private:
  using Data = std::variant<std::uint32_t, std::wstring, std::vector<unsigned char>>;
  struct Key {
    std::wstring name;  // the last path element as created
    std::map<std::wstring, Data> values;  // by folded name
  };

  static std::wstring Id(RegistryRoot root, const std::wstring& path);
  bool Denied(const std::wstring& id) const;
  Key* Find(RegistryRoot root, const std::wstring& path, long& status);
  template <class T>
  long Read(RegistryRoot root, const std::wstring& path, const std::wstring& name, T& out);
  long Put(RegistryRoot root, const std::wstring& path, const std::wstring& name, Data data);

  std::map<std::wstring, Key> keys_;  // by Id
  std::set<std::wstring> denied_;
};
