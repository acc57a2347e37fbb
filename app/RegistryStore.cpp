#include "app/RegistryStore.h"

namespace {

bool IsHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }

}  // namespace

std::wstring FitToBuffer(const std::wstring& text, std::size_t capacity) {
  if (capacity == 0) return {};
  if (text.size() < capacity) return text;
  std::size_t length = capacity - 1;
  if (length > 0 && IsHighSurrogate(text[length - 1])) --length;
  return text.substr(0, length);
}

CRegistryStore::CRegistryStore(CSettingsStore& store, std::wstring programKey)
    : store_(store), programKey_(std::move(programKey)) {}

int CRegistryStore::Succeeded(long status) {
  lastError_ = status;
  return status == kStoreOk ? 1 : 0;
}

int CRegistryStore::SetDword(const std::wstring& name, std::uint32_t value) {
  if (!CreateKey(RegistryRoot::CurrentUser, programKey_)) return 0;
  return Succeeded(store_.WriteDword(RegistryRoot::CurrentUser, programKey_, name, value));
}

int CRegistryStore::GetDword(const std::wstring& name) {
  if (!OpenKey(RegistryRoot::CurrentUser, programKey_)) {
    SetDword(name, 0);
    return 0;
  }
  std::uint32_t value = 0;
  if (!Succeeded(store_.ReadDword(RegistryRoot::CurrentUser, programKey_, name, value))) return -1;
  return static_cast<int>(value);
}

int CRegistryStore::GetString(const std::wstring& name, std::wstring& buffer,
                              std::size_t capacity) {
  return GetString(RegistryRoot::CurrentUser, programKey_, name, buffer, capacity);
}

int CRegistryStore::GetString(RegistryRoot root, const std::wstring& subkey,
                              const std::wstring& name, std::wstring& buffer,
                              std::size_t capacity) {
  std::wstring text;
  if (!Succeeded(store_.ReadString(root, subkey, name, text))) return 0;
  buffer = FitToBuffer(text, capacity);
  return 1;
}

int CRegistryStore::SetString(RegistryRoot root, const std::wstring& subkey,
                              const std::wstring& name, const std::wstring& text) {
  if (!CreateKey(root, subkey)) return 0;
  return Succeeded(store_.WriteString(root, subkey, name, text));
}

int CRegistryStore::SetString(const std::wstring& name, const std::wstring& text) {
  return SetString(RegistryRoot::CurrentUser, programKey_, name, text);
}

int CRegistryStore::DeleteValue(const std::wstring& name) {
  return Succeeded(store_.DeleteValue(RegistryRoot::CurrentUser, programKey_, name));
}

int CRegistryStore::CreateKey(RegistryRoot root, const std::wstring& subkey) {
  return Succeeded(store_.CreateKey(root, subkey));
}

int CRegistryStore::OpenKey(RegistryRoot root, const std::wstring& subkey) {
  return Succeeded(store_.OpenKey(root, subkey));
}

int CRegistryStore::EnumSubkey(RegistryRoot root, const std::wstring& subkey,
                               std::uint32_t index, std::wstring& name) {
  return Succeeded(store_.EnumSubkey(root, subkey, index, name));
}
