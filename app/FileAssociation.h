// The ".POF" association: opening a profile file from the shell starts this
// program with the file's path as its one argument (which the program
// answers by asking the user to import the file from inside the program).
#pragma once

#include <string>

#include "app/RegistryStore.h"
#include "app/Shell.h"

inline constexpr const wchar_t* kProfileFileExtensionKey = L".POF";
inline constexpr const wchar_t* kProfileFileProgId = L"Mirel_Files";
inline constexpr const wchar_t* kOpenCommandKey = L"Mirel_Files\\shell\\open\\command";
inline constexpr const wchar_t* kFileExtsKey =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\.POF";

class CFileAssociation {
 public:
  CFileAssociation(CRegistryStore& registry, CShell& shell) : registry_(registry), shell_(shell) {}

  // The command the shell runs to open a profile file: the running
  // executable, quoted, then the file's path, quoted.
  std::wstring OpenCommand();

  // Writes the association unless one exists (then only its command is
  // refreshed). Stops at the first failure with 0; 1 on success.
  int EnsureFileAssociation();

  // Rewrites a stored open command that differs from OpenCommand() (exact
  // comparison). 1 also when there is no command to refresh.
  int RefreshOpenCommand();

 private:
  int WriteAssociation();

  CRegistryStore& registry_;
  CShell& shell_;
};

// The file name of a path (after its last '\' or '/').
std::wstring FileNameOf(const std::wstring& path);
