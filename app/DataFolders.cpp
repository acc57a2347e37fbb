#include "app/DataFolders.h"

namespace {

constexpr const wchar_t* kPathValue = L"Path";
constexpr const wchar_t* kImages = L"\\Images";
constexpr const wchar_t* kLibrary = L"\\Library";  // the longer of the two
constexpr const wchar_t* kOwnFolder = L"\\Mirel";

bool SubfoldersFit(const std::wstring& folder) {
  return FitsPathBuffer(folder + kLibrary);
}

}  // namespace

std::optional<std::wstring> CDataFolders::ConfiguredFolder(CRegistryStore& registry) const {
  std::wstring folder;
  // One character more than a path buffer holds tells a value that fits
  // from one that was shortened.
  if (!registry.GetString(kPathValue, folder, kPathCapacity + 1)) return std::nullopt;
  if (!SubfoldersFit(folder)) return std::nullopt;
  return folder;
}

std::optional<std::wstring> CDataFolders::FallbackFolder(CFileSystem& files, CShell& shell) {
  const std::optional<std::wstring> documents = shell.DocumentsFolder();
  if (!documents || documents->empty()) return std::nullopt;
  const std::wstring folder = *documents + kOwnFolder;
  if (!SubfoldersFit(folder)) return std::nullopt;
  files.CreateFolder(folder);
  return folder;
}

void CDataFolders::SetupDataFolders(CRegistryStore& registry, CFileSystem& files, CShell& shell) {
  std::optional<std::wstring> folder = ConfiguredFolder(registry);
  if (!folder) folder = FallbackFolder(files, shell);
  if (!folder) return;
  data_ = *folder;
  images_ = data_ + kImages;
  library_ = data_ + kLibrary;
  files.CreateFolder(images_);
  files.CreateFolder(library_);
}

std::optional<std::wstring> CDataFolders::ImagePath(const std::wstring& fileName) const {
  if (images_.empty()) return std::nullopt;
  std::wstring path = images_ + L"\\" + fileName;
  if (!FitsPathBuffer(path)) return std::nullopt;
  return path;
}
