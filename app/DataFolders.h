// The folders of the user's files: the data folder (the "Path" value, or
// Mirel in the user's documents), and inside it Images (copies of the
// profile pictures) and Library (profile, macro and script files).
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "app/FileSystem.h"
#include "app/RegistryStore.h"
#include "app/Shell.h"

// Every folder and file path lives in a buffer of this many characters.
inline constexpr std::size_t kPathCapacity = 1024;

class CDataFolders {
 public:
  // A "Path" value too long for its subfolders to fit a path buffer is
  // refused like a missing one: cutting it short would name another folder.
  // When the documents folder is unknown too, no folder is set or created.
  void SetupDataFolders(CRegistryStore& registry, CFileSystem& files, CShell& shell);

  // Empty until set up.
  const std::wstring& DataFolder() const { return data_; }
  const std::wstring& ImagesFolder() const { return images_; }
  const std::wstring& LibraryFolder() const { return library_; }

  // Images folder + "\" + file name; empty when there is no Images folder
  // or the path would not fit a path buffer.
  std::optional<std::wstring> ImagePath(const std::wstring& fileName) const;

 private:
  std::optional<std::wstring> ConfiguredFolder(CRegistryStore& registry) const;
  static std::optional<std::wstring> FallbackFolder(CFileSystem& files, CShell& shell);

  std::wstring data_;
  std::wstring images_;
  std::wstring library_;
};

// Whether a path fits a path buffer with its terminating zero.
inline bool FitsPathBuffer(const std::wstring& path) { return path.size() < kPathCapacity; }
