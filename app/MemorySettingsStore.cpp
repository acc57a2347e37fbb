#include "app/MemorySettingsStore.h"

#include <cwctype>

namespace {

std::wstring Folded(const std::wstring& text) {
  std::wstring folded = text;
  for (wchar_t& c : folded) c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
  return folded;
}

std::wstring LastElement(const std::wstring& path) {
  const std::size_t slash = path.rfind(L'\\');
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::wstring CMemorySettingsStore::Id(RegistryRoot root, const std::wstring& path) {
  return std::to_wstring(static_cast<int>(root)) + L"\\" + Folded(path);
}

bool CMemorySettingsStore::Denied(const std::wstring& id) const {
  for (const std::wstring& d : denied_) {
    if (id == d || id.starts_with(d + L"\\")) return true;
  }
  return false;
}

CMemorySettingsStore::Key* CMemorySettingsStore::Find(RegistryRoot root, const std::wstring& path,
                                                      long& status) {
  const std::wstring id = Id(root, path);
  const auto it = keys_.find(id);
  if (it == keys_.end()) {
    status = kStoreNotFound;
    return nullptr;
  }
  if (Denied(id)) {
    status = kStoreAccessDenied;
    return nullptr;
  }
  status = kStoreOk;
  return &it->second;
}

long CMemorySettingsStore::OpenKey(RegistryRoot root, const std::wstring& path) {
  long status = kStoreOk;
  Find(root, path, status);
  return status;
}

long CMemorySettingsStore::CreateKey(RegistryRoot root, const std::wstring& path) {
  if (Denied(Id(root, path))) return kStoreAccessDenied;
  for (std::size_t end = 0; end != std::wstring::npos;) {
    end = path.find(L'\\', end + 1);
    const std::wstring prefix = path.substr(0, end);
    keys_.try_emplace(Id(root, prefix), Key{LastElement(prefix), {}});
  }
  return kStoreOk;
}

template <class T>
long CMemorySettingsStore::Read(RegistryRoot root, const std::wstring& path,
                                const std::wstring& name, T& out) {
  long status = kStoreOk;
  Key* key = Find(root, path, status);
  if (!key) return status;
  const auto it = key->values.find(Folded(name));
  if (it == key->values.end()) return kStoreNotFound;
  const T* value = std::get_if<T>(&it->second);
  if (!value) return kStoreBadData;
  out = *value;
  return kStoreOk;
}

long CMemorySettingsStore::ReadDword(RegistryRoot root, const std::wstring& path,
                                     const std::wstring& name, std::uint32_t& value) {
  return Read(root, path, name, value);
}

long CMemorySettingsStore::ReadString(RegistryRoot root, const std::wstring& path,
                                      const std::wstring& name, std::wstring& text) {
  return Read(root, path, name, text);
}

long CMemorySettingsStore::Put(RegistryRoot root, const std::wstring& path,
                               const std::wstring& name, Data data) {
  long status = kStoreOk;
  Key* key = Find(root, path, status);
  if (!key) return status;
  key->values[Folded(name)] = std::move(data);
  return kStoreOk;
}

long CMemorySettingsStore::WriteDword(RegistryRoot root, const std::wstring& path,
                                      const std::wstring& name, std::uint32_t value) {
  return Put(root, path, name, value);
}

long CMemorySettingsStore::WriteString(RegistryRoot root, const std::wstring& path,
                                       const std::wstring& name, const std::wstring& text) {
  return Put(root, path, name, text);
}

long CMemorySettingsStore::DeleteValue(RegistryRoot root, const std::wstring& path,
                                       const std::wstring& name) {
  long status = kStoreOk;
  Key* key = Find(root, path, status);
  if (!key) return status;
  return key->values.erase(Folded(name)) ? kStoreOk : kStoreNotFound;
}

long CMemorySettingsStore::EnumSubkey(RegistryRoot root, const std::wstring& path,
                                      std::uint32_t index, std::wstring& name) {
  long status = kStoreOk;
  if (!Find(root, path, status)) return status;
  const std::wstring prefix = Id(root, path) + L"\\";
  std::uint32_t seen = 0;
  for (auto it = keys_.lower_bound(prefix); it != keys_.end() && it->first.starts_with(prefix);
       ++it) {
    if (it->first.find(L'\\', prefix.size()) != std::wstring::npos) continue;  // deeper
    if (seen++ == index) {
      name = it->second.name;
      return kStoreOk;
    }
  }
  return kStoreNoMoreItems;
}

void CMemorySettingsStore::DenyAccess(RegistryRoot root, const std::wstring& path) {
  denied_.insert(Id(root, path));
}

void CMemorySettingsStore::PutBinary(RegistryRoot root, const std::wstring& path,
                                     const std::wstring& name, std::vector<unsigned char> bytes) {
  CreateKey(root, path);
  Put(root, path, name, std::move(bytes));
}

bool CMemorySettingsStore::HasKey(RegistryRoot root, const std::wstring& path) const {
  return keys_.count(Id(root, path)) != 0;
}

bool CMemorySettingsStore::HasValue(RegistryRoot root, const std::wstring& path,
                                    const std::wstring& name) const {
  const auto it = keys_.find(Id(root, path));
  return it != keys_.end() && it->second.values.count(Folded(name)) != 0;
}

std::optional<std::wstring> CMemorySettingsStore::PeekString(RegistryRoot root,
                                                             const std::wstring& path,
                                                             const std::wstring& name) const {
  const auto key = keys_.find(Id(root, path));
  if (key == keys_.end()) return std::nullopt;
  const auto value = key->second.values.find(Folded(name));
  if (value == key->second.values.end()) return std::nullopt;
  const auto* text = std::get_if<std::wstring>(&value->second);
  if (!text) return std::nullopt;
  return *text;
}
