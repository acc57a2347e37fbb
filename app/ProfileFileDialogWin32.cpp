#include "app/ProfileFileDialogWin32.h"

#include <commdlg.h>

#include <iterator>

std::optional<std::wstring> ChooseProfileFileToOpen(HWND owner, const std::wstring& folder) {
  wchar_t file[1024] = L"";
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof(ofn);
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = L"Mouse Profile Files (*.pof)\0*.pof\0All Files (*.*)\0*.*\0";
  ofn.lpstrFile = file;
  ofn.nMaxFile = static_cast<DWORD>(std::size(file));
  ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  ofn.Flags = OFN_EXPLORER | OFN_ENABLESIZING | OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
              OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
  if (!GetOpenFileNameW(&ofn)) return std::nullopt;
  return std::wstring(file);
}
