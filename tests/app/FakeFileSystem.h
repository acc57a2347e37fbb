// A file system in memory: which files exist and what they hold, which
// folders were created, which copies were made.
#pragma once

#include <cstdint>
#include <map>
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
    contents[target] = contents[source];
    return true;
  }

  bool FileExists(const std::wstring& path) override { return files.count(path) != 0; }

  FileRead ReadFile(const std::wstring& path, std::size_t maxBytes) override {
    if (!files.count(path)) return {};
    const std::vector<std::uint8_t>& bytes = contents[path];
    if (bytes.size() > maxBytes) return {FileReadStatus::kTooLarge, {}};
    return {FileReadStatus::kRead, bytes};
  }

  // Like the real one, a refused write leaves the old file alone.
  FileWriteStatus WriteFileSafely(const std::wstring& path,
                                  std::span<const std::uint8_t> bytes) override {
    if (writeFault != FileWriteStatus::kWritten) return writeFault;
    files.insert(path);
    contents[path].assign(bytes.begin(), bytes.end());
    return FileWriteStatus::kWritten;
  }

  void Put(const std::wstring& path, std::vector<std::uint8_t> bytes) {
    files.insert(path);
    contents[path] = std::move(bytes);
  }

  std::set<std::wstring> files;
  std::map<std::wstring, std::vector<std::uint8_t>> contents;
  std::vector<std::wstring> created;
  std::vector<std::pair<std::wstring, std::wstring>> copies;
  bool refuseFolders = false;
  bool refuseCopies = false;
  FileWriteStatus writeFault = FileWriteStatus::kWritten;
};
