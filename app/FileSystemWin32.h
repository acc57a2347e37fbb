// The file-system port on Windows.
#pragma once

#include "app/FileSystem.h"

class CFileSystemWin32 : public CFileSystem {
 public:
  bool CreateFolder(const std::wstring& path) override;
  bool CopyOver(const std::wstring& source, const std::wstring& target) override;
  bool FileExists(const std::wstring& path) override;
  FileRead ReadFile(const std::wstring& path, std::size_t maxBytes) override;
  FileWriteStatus WriteFileSafely(const std::wstring& path,
                                  std::span<const std::uint8_t> bytes) override;
};
