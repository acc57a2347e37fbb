#include <gtest/gtest.h>

#include "app/DataFolders.h"
#include "app/MemorySettingsStore.h"
#include "tests/app/FakeFileSystem.h"
#include "tests/app/FakeShell.h"

namespace {

class DataFoldersTest : public ::testing::Test {
 protected:
  void StorePath(const std::wstring& path) {
    store.CreateKey(RegistryRoot::CurrentUser, kProgramKey);
    store.WriteString(RegistryRoot::CurrentUser, kProgramKey, L"Path", path);
  }

  CMemorySettingsStore store;
  CRegistryStore registry{store};
  FakeFileSystem files;
  FakeShell shell;
  CDataFolders folders;
};

TEST_F(DataFoldersTest, WithoutAPathValueTheFolderIsMadeInTheDocuments) {
  folders.SetupDataFolders(registry, files, shell);
  const std::wstring data = L"C:\\Users\\ann\\Documents\\Mirel";
  EXPECT_EQ(folders.DataFolder(), data);
  EXPECT_EQ(folders.ImagesFolder(), data + L"\\Images");
  EXPECT_EQ(folders.LibraryFolder(), data + L"\\Library");
  EXPECT_EQ(files.created,
            (std::vector<std::wstring>{data, data + L"\\Images", data + L"\\Library"}));
}

TEST_F(DataFoldersTest, APathValueIsUsedAsItIs) {
  StorePath(L"E:\\Mouse");
  folders.SetupDataFolders(registry, files, shell);
  EXPECT_EQ(folders.DataFolder(), L"E:\\Mouse");
  EXPECT_EQ(files.created, (std::vector<std::wstring>{L"E:\\Mouse\\Images", L"E:\\Mouse\\Library"}));
}

TEST_F(DataFoldersTest, APathTooLongForItsSubfoldersIsRefused) {
  // "\Library" must still fit the 1023 characters of a path buffer.
  StorePath(L"E:\\" + std::wstring(1013, L'x'));
  folders.SetupDataFolders(registry, files, shell);
  EXPECT_EQ(folders.DataFolder(), L"C:\\Users\\ann\\Documents\\Mirel");
  StorePath(L"E:\\" + std::wstring(1012, L'x'));
  folders.SetupDataFolders(registry, files, shell);
  EXPECT_EQ(folders.LibraryFolder().size(), 1023u);
}

TEST_F(DataFoldersTest, NoFolderWhenNeitherPathNorDocumentsAreKnown) {
  shell.documents.reset();
  folders.SetupDataFolders(registry, files, shell);
  EXPECT_TRUE(files.created.empty());
  EXPECT_EQ(folders.ImagesFolder(), L"");
  EXPECT_EQ(folders.ImagePath(L"a.png"), std::nullopt);
}

TEST_F(DataFoldersTest, FoldersThatCannotBeCreatedAreStillUsed) {
  files.refuseFolders = true;
  folders.SetupDataFolders(registry, files, shell);
  EXPECT_EQ(folders.ImagePath(L"a.png"), L"C:\\Users\\ann\\Documents\\Mirel\\Images\\a.png");
}

TEST_F(DataFoldersTest, ImagePathsFitAPathBuffer) {
  StorePath(L"E:\\m");
  folders.SetupDataFolders(registry, files, shell);
  const std::size_t room = 1023 - std::wstring(L"E:\\m\\Images\\").size();
  EXPECT_TRUE(folders.ImagePath(std::wstring(room, L'p')));
  EXPECT_FALSE(folders.ImagePath(std::wstring(room + 1, L'p')));
}

}  // namespace
