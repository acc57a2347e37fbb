// The program's registry object: its values under the per-user program key
// and the few keys of the shell it touches, with the results the form
// relies on. Failures are silent; the last system error code is kept for
// inspection only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "app/SettingsStore.h"

inline constexpr const wchar_t* kProgramKey = L"Software\\Mirel";

class CRegistryStore {
 public:
  // `programKey` below HKEY_CURRENT_USER; tests give a key of their own.
  explicit CRegistryStore(CSettingsStore& store, std::wstring programKey = kProgramKey);

  // 1 when written; the program key is created when missing.
  int SetDword(const std::wstring& name, std::uint32_t value);

  // The value. A missing program key is created, the value written as 0
  // and 0 returned; a value that cannot be read gives −1.
  int GetDword(const std::wstring& name);

  // 1 when read, 0 when the key or value is missing or unreadable (the
  // buffer is untouched then). A buffer of `capacity` characters holds at
  // most capacity − 1 of them: a longer value is shortened, never overrun,
  // and never split inside a character.
  int GetString(const std::wstring& name, std::wstring& buffer, std::size_t capacity);
  int GetString(RegistryRoot root, const std::wstring& subkey, const std::wstring& name,
                std::wstring& buffer, std::size_t capacity);

  // 1 when written; the subkey is created when missing. An empty name is
  // the key's default value.
  int SetString(RegistryRoot root, const std::wstring& subkey, const std::wstring& name,
                const std::wstring& text);

  // SetString of a value under the program key.
  int SetString(const std::wstring& name, const std::wstring& text);

  // 1 when the program key's value was deleted.
  int DeleteValue(const std::wstring& name);

  // 1 when the key exists afterwards.
  int CreateKey(RegistryRoot root, const std::wstring& subkey);

  // 1 when the key exists and opens with full access.
  int OpenKey(RegistryRoot root, const std::wstring& subkey);

  // 1 with the name of subkey `index`, 0 past the last or on failure.
  int EnumSubkey(RegistryRoot root, const std::wstring& subkey, std::uint32_t index,
                 std::wstring& name);

  long LastError() const { return lastError_; }
  const std::wstring& ProgramKey() const { return programKey_; }

 private:
  int Succeeded(long status);

  CSettingsStore& store_;
  std::wstring programKey_;
  long lastError_ = kStoreOk;
};

// `text` cut to fit a buffer of `capacity` characters with its terminating
// zero, without leaving half of a surrogate pair at the end.
std::wstring FitToBuffer(const std::wstring& text, std::size_t capacity);
