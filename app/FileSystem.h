// The file-system port of the settings: the two things they do with files.
#pragma once

#include <string>

class CFileSystem {
 public:
  virtual ~CFileSystem() = default;

  // True when the folder exists afterwards (an existing folder is fine).
  virtual bool CreateFolder(const std::wstring& path) = 0;

  // Copies a file, replacing the target; true on success.
  virtual bool CopyOver(const std::wstring& source, const std::wstring& target) = 0;
};
