#include "app/FileSystemWin32.h"

#include <windows.h>

#include <algorithm>

namespace {

// Closes a file handle when it goes out of scope.
class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  ~FileHandle() { Close(); }
  bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return handle_; }
  bool Close() {
    if (!Valid()) return true;
    const bool closed = CloseHandle(handle_) != 0;
    handle_ = INVALID_HANDLE_VALUE;
    return closed;
  }

 private:
  HANDLE handle_;
};

std::wstring FolderOf(const std::wstring& path) {
  const std::size_t separator = path.find_last_of(L"\\/");
  if (separator == std::wstring::npos) return L".";
  if (separator == 0 || path[separator - 1] == L':') return path.substr(0, separator + 1);
  return path.substr(0, separator);
}

bool WriteAll(HANDLE file, std::span<const std::uint8_t> bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 20));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0)
      return false;
    done += written;
  }
  return FlushFileBuffers(file) != 0;
}

}  // namespace

bool CFileSystemWin32::CreateFolder(const std::wstring& path) {
  if (CreateDirectoryW(path.c_str(), nullptr)) return true;
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool CFileSystemWin32::CopyOver(const std::wstring& source, const std::wstring& target) {
  return CopyFileW(source.c_str(), target.c_str(), FALSE) != 0;
}

bool CFileSystemWin32::FileExists(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

FileRead CFileSystemWin32::ReadFile(const std::wstring& path, std::size_t maxBytes) {
  FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) return {};
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0) return {};
  if (static_cast<unsigned long long>(size.QuadPart) > maxBytes) {
    return {FileReadStatus::kTooLarge, {}};
  }
  FileRead result{FileReadStatus::kRead,
                  std::vector<std::uint8_t>(static_cast<std::size_t>(size.QuadPart))};
  std::size_t done = 0;
  while (done < result.bytes.size()) {
    DWORD read = 0;
    const auto want = static_cast<DWORD>(result.bytes.size() - done);
    if (!::ReadFile(file.Get(), result.bytes.data() + done, want, &read, nullptr)) return {};
    if (read == 0) break;  // the file shrank while we read it
    done += read;
  }
  result.bytes.resize(done);
  return result;
}

FileWriteStatus CFileSystemWin32::WriteFileSafely(const std::wstring& path,
                                                  std::span<const std::uint8_t> bytes) {
  wchar_t temporary[MAX_PATH + 1] = L"";
  if (!GetTempFileNameW(FolderOf(path).c_str(), L"mir", 0, temporary)) {
    return FileWriteStatus::kCannotCreate;
  }
  FileHandle file(CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  const bool written = file.Valid() && WriteAll(file.Get(), bytes) && file.Close();
  file.Close();  // before the rename or the removal, whatever failed above
  if (written &&
      MoveFileExW(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return FileWriteStatus::kWritten;
  }
  DeleteFileW(temporary);
  return FileWriteStatus::kWriteFailed;
}
