// A file system of names only: which files exist, which folders were
// created, which copies were made.
#pragma once

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/FileSystem.h"

class FakeFileSystem : public CFileSystem {
 public:
  bool CreateFolder(const std::wstring& path) override {
    if (refuseFolders) return false;
    created.push_back(path);
    return true;
  }

  bool CopyOver(const std::wstring& source, const std::wstring& target) override {
    if (refuseCopies || !files.count(source)) return false;
    copies.emplace_back(source, target);
    files.insert(target);
    return true;
  }

  std::set<std::wstring> files;
  std::vector<std::wstring> created;
  std::vector<std::pair<std::wstring, std::wstring>> copies;
  bool refuseFolders = false;
  bool refuseCopies = false;
};
