// The settings store in the Windows registry.
#pragma once

#include "app/SettingsStore.h"

class CSettingsStoreWin32 : public CSettingsStore {
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
};
