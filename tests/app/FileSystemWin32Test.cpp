// Whole-file reads and safe writes against real files under Wine: the
// replace leaves either the old file or the new one, never a broken one.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/FileSystemWin32.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

class FileSystemWin32Files : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + L"mirel-files-" + std::to_wstring(GetCurrentProcessId());
    ASSERT_TRUE(files_.CreateFolder(folder_));
  }
  void TearDown() override {
    for (const std::wstring& name : Listing()) {
      const std::wstring path = folder_ + L"\\" + name;
      SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileW(path.c_str());
    }
    RemoveDirectoryW(folder_.c_str());
  }
  std::wstring At(const std::wstring& name) const { return folder_ + L"\\" + name; }
  std::vector<std::wstring> Listing() const {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder_ + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
      const std::wstring name = found.cFileName;
      if (name != L"." && name != L"..") names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
  }
  Bytes Read(const std::wstring& name) { return files_.ReadFile(At(name), 1 << 16).bytes; }

  CFileSystemWin32 files_;
  std::wstring folder_;
};

TEST_F(FileSystemWin32Files, WritesReplaceAndReadBackWhole) {
  const Bytes first{0x6D, 0x54, 0x04, 0x00};
  const Bytes second(3000, 0xA5);
  EXPECT_FALSE(files_.FileExists(At(L"a.POF")));
  ASSERT_EQ(files_.WriteFileSafely(At(L"a.POF"), first), FileWriteStatus::kWritten);
  EXPECT_TRUE(files_.FileExists(At(L"a.POF")));
  EXPECT_EQ(Read(L"a.POF"), first);
  ASSERT_EQ(files_.WriteFileSafely(At(L"a.POF"), second), FileWriteStatus::kWritten);
  EXPECT_EQ(Read(L"a.POF"), second);
  ASSERT_EQ(files_.WriteFileSafely(At(L"empty.POF"), Bytes{}), FileWriteStatus::kWritten);
  EXPECT_EQ(files_.ReadFile(At(L"empty.POF"), 10).status, FileReadStatus::kRead);
  EXPECT_EQ(Read(L"empty.POF"), Bytes{});
  // Nothing but the two files is left behind.
  EXPECT_EQ(Listing().size(), 2u);
  EXPECT_FALSE(files_.FileExists(folder_));  // a folder is not a file
}

TEST_F(FileSystemWin32Files, ReadsRefuseMissingAndOversizedFiles) {
  ASSERT_EQ(files_.WriteFileSafely(At(L"big"), Bytes(101, 1)), FileWriteStatus::kWritten);
  EXPECT_EQ(files_.ReadFile(At(L"big"), 100).status, FileReadStatus::kTooLarge);
  EXPECT_TRUE(files_.ReadFile(At(L"big"), 100).bytes.empty());
  EXPECT_EQ(files_.ReadFile(At(L"big"), 101).bytes.size(), 101u);
  EXPECT_EQ(files_.ReadFile(At(L"missing"), 100).status, FileReadStatus::kCannotOpen);
  EXPECT_EQ(files_.ReadFile(folder_, 100).status, FileReadStatus::kCannotOpen);
}

TEST_F(FileSystemWin32Files, AFailedWriteKeepsTheOldFile) {
  const Bytes good{1, 2, 3};
  ASSERT_EQ(files_.WriteFileSafely(At(L"keep.POF"), good), FileWriteStatus::kWritten);
  // Held open by another program that shares nothing, the file cannot be
  // replaced: the write fails after the temporary file was written.
  HANDLE held = CreateFileW(At(L"keep.POF").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_EQ(files_.WriteFileSafely(At(L"keep.POF"), Bytes(50, 9)), FileWriteStatus::kWriteFailed);
  CloseHandle(held);
  EXPECT_EQ(Read(L"keep.POF"), good);
  EXPECT_EQ(Listing(), std::vector<std::wstring>{L"keep.POF"});
}

TEST_F(FileSystemWin32Files, AMissingFolderCannotBeWrittenTo) {
  EXPECT_EQ(files_.WriteFileSafely(At(L"no\\such\\x.POF"), Bytes{1}),
            FileWriteStatus::kCannotCreate);
  EXPECT_TRUE(Listing().empty());
}

}  // namespace
