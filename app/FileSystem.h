// The file-system port of the program: folders, copies, and whole small
// files read and written in one go.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

enum class FileReadStatus { kRead, kCannotOpen, kTooLarge };

struct FileRead {
  FileReadStatus status = FileReadStatus::kCannotOpen;
  std::vector<std::uint8_t> bytes;
};

enum class FileWriteStatus { kWritten, kCannotCreate, kWriteFailed };

class CFileSystem {
 public:
  virtual ~CFileSystem() = default;

  // True when the folder exists afterwards (an existing folder is fine).
  virtual bool CreateFolder(const std::wstring& path) = 0;

  // Copies a file, replacing the target; true on success.
  virtual bool CopyOver(const std::wstring& source, const std::wstring& target) = 0;

  virtual bool FileExists(const std::wstring& path) = 0;

  // The whole file. One larger than `maxBytes` is refused unread, so a
  // stray huge file never fills memory.
  virtual FileRead ReadFile(const std::wstring& path, std::size_t maxBytes) = 0;

  // Writes a temporary file in the target's folder and then replaces the
  // target with it, so a failed write leaves an existing file as it was.
  // kCannotCreate when not even the temporary file could be made.
  virtual FileWriteStatus WriteFileSafely(const std::wstring& path,
                                          std::span<const std::uint8_t> bytes) = 0;
};
