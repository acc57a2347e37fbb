#include "app/FileAssociation.h"

#include "app/DataFolders.h"

namespace {

constexpr RegistryRoot kClasses = RegistryRoot::ClassesRoot;

}  // namespace

std::wstring FileNameOf(const std::wstring& path) {
  const std::size_t separator = path.find_last_of(L"\\/");
  return separator == std::wstring::npos ? path : path.substr(separator + 1);
}

std::wstring CFileAssociation::OpenCommand() {
  return L"\"" + shell_.ModulePath() + L"\" \"%1\"";
}

int CFileAssociation::RefreshOpenCommand() {
  const std::wstring command = OpenCommand();
  std::wstring stored;
  if (!registry_.GetString(kClasses, kOpenCommandKey, L"", stored, kPathCapacity + 1)) return 1;
  if (stored == command) return 1;
  return registry_.SetString(kClasses, kOpenCommandKey, L"", command);
}

int CFileAssociation::EnsureFileAssociation() {
  std::wstring progId;
  if (registry_.GetString(kClasses, kProfileFileExtensionKey, L"", progId, kPathCapacity) &&
      RefreshOpenCommand()) {
    return 1;
  }
  return WriteAssociation();
}

int CFileAssociation::WriteAssociation() {
  const RegistryRoot user = RegistryRoot::CurrentUser;
  return registry_.SetString(kClasses, kProfileFileExtensionKey, L"", kProfileFileProgId) &&
         registry_.CreateKey(kClasses, L"Mirel_Files") &&
         registry_.CreateKey(kClasses, L"Mirel_Files\\shell") &&
         registry_.CreateKey(kClasses, L"Mirel_Files\\shell\\open") &&
         registry_.CreateKey(kClasses, kOpenCommandKey) &&
         registry_.SetString(kClasses, kOpenCommandKey, L"", OpenCommand()) &&
         registry_.CreateKey(user, kFileExtsKey) &&
         registry_.SetString(user, kFileExtsKey, L"", kProfileFileProgId) &&
         registry_.SetString(user, kFileExtsKey, L"Application", FileNameOf(shell_.ModulePath()));
}
