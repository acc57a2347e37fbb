#include "app/ShellWin32.h"

#include <windows.h>
#include <shlobj.h>

#include <vector>

std::optional<std::wstring> CShellWin32::DocumentsFolder() {
  wchar_t path[MAX_PATH] = {};
  if (!SHGetSpecialFolderPathW(nullptr, path, CSIDL_PERSONAL, FALSE)) return std::nullopt;
  return std::wstring(path);
}

std::wstring CShellWin32::ModulePath() {
  // Grows the buffer until the whole path fits: a cut path would name
  // another file.
  constexpr std::size_t kLongestPath = 32768;
  std::vector<wchar_t> buffer(MAX_PATH);
  while (buffer.size() <= kLongestPath) {
    const DWORD size = static_cast<DWORD>(buffer.size());
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), size);
    if (length == 0) return {};
    if (length < size) return std::wstring(buffer.data(), length);
    buffer.resize(buffer.size() * 2);
  }
  return {};
}
