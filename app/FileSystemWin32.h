// The file-system port on Windows.
#pragma once

#include "app/FileSystem.h"

class CFileSystemWin32 : public CFileSystem {
 public:
  bool CreateFolder(const std::wstring& path) override;
  bool CopyOver(const std::wstring& source, const std::wstring& target) override;
};
