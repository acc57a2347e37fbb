#include <gtest/gtest.h>

#include "app/MemorySettingsStore.h"
#include "app/ProfileLooks.h"
#include "app/ProgramValues.h"
#include "tests/app/FakeFileSystem.h"
#include "tests/app/FakeProfileLooksView.h"
#include "tests/app/FakeShell.h"
#include "tests/support/TestEdition.h"

namespace {

using Events = std::vector<std::wstring>;
constexpr RegistryRoot kUser = RegistryRoot::CurrentUser;
const std::wstring kImages = L"E:\\M\\Images";

class ProfileLooksTest : public ::testing::Test {
 protected:
  ProfileLooksTest() {
    store.CreateKey(kUser, kProgramKey);
    store.WriteString(kUser, kProgramKey, L"Path", L"E:\\M");
    folders.SetupDataFolders(registry, files, shell);
  }

  void Stored(const std::wstring& name, const std::wstring& text) {
    store.WriteString(kUser, kProgramKey, name, text);
  }
  std::wstring Value(const std::wstring& name) const {
    return store.PeekString(kUser, kProgramKey, name).value_or(L"<absent>");
  }
  // Starts the form's way: names read, snapshot kept; the log begins empty.
  void Start() {
    looks.LoadProfileNames();
    looks.SnapshotProfileLooks();
    view.events.clear();
  }

  ScopedEdition edition{EditionId::TraditionalChinese};
  CMemorySettingsStore store;
  CRegistryStore registry{store};
  FakeFileSystem files;
  FakeShell shell;
  CDataFolders folders;
  FakeProfileLooksView view;
  CProfileLooks looks{registry, folders, files, view};
};

TEST_F(ProfileLooksTest, NamesComeFromTheRegistryOrTheDefaults) {
  Stored(L"Profile #2", L"Sniper");
  Stored(L"Profile #3", std::wstring(40, L'n'));
  Start();
  EXPECT_EQ(looks.Name(0), L"一般");
  EXPECT_EQ(looks.Name(1), L"設定檔 1");
  EXPECT_EQ(looks.Name(2), L"Sniper");
  EXPECT_EQ(looks.Name(3), std::wstring(31, L'n'));
  EXPECT_EQ(looks.Name(4), L"");
}

TEST_F(ProfileLooksTest, SettingANameStoresAndShowsIt) {
  Start();
  EXPECT_EQ(looks.SetProfileName(2, L"Sniper"), 1);
  EXPECT_EQ(view.events, (Events{L"erase name", L"caption 2 Sniper", L"draw name"}));
  EXPECT_EQ(Value(L"Profile #2"), L"Sniper");
  view.events.clear();
  EXPECT_EQ(looks.SetProfileName(2, L"Sniper"), 0);
  EXPECT_TRUE(view.events.empty());
  EXPECT_EQ(looks.SetProfileName(0, L"Desk"), 1);  // no name under the standard picture
  EXPECT_EQ(view.events, (Events{L"caption 0 Desk"}));
}

TEST_F(ProfileLooksTest, ALongNameIsShortenedToItsBuffer) {
  Start();
  const std::wstring longName(50, L'x');
  EXPECT_EQ(looks.SetProfileName(1, longName), 1);
  EXPECT_EQ(looks.Name(1), std::wstring(31, L'x'));
  EXPECT_EQ(Value(L"Profile #1"), std::wstring(31, L'x'));
  EXPECT_EQ(looks.SetProfileName(1, longName), 0);  // the same name once shortened
}

TEST_F(ProfileLooksTest, APictureIsCopiedIntoTheImagesFolder) {
  Start();
  files.files.insert(L"C:\\Pics\\cat.png");
  EXPECT_EQ(looks.SetProfilePicture(1, L"cat.png", L"C:\\Pics\\cat.png"), 1);
  using Copy = std::pair<std::wstring, std::wstring>;
  EXPECT_EQ(files.copies, (std::vector<Copy>{{L"C:\\Pics\\cat.png", kImages + L"\\cat.png"}}));
  EXPECT_EQ(view.events, (Events{L"pictures 1 192/193", L"preview 1 " + kImages + L"\\cat.png",
                                 L"big " + kImages + L"\\cat.png"}));
  EXPECT_EQ(Value(L"Profile #1 Image"), L"cat.png");
  EXPECT_EQ(looks.PictureName(1), L"cat.png");
}

TEST_F(ProfileLooksTest, APictureAlreadyInTheImagesFolderIsNotCopiedOntoItself) {
  Start();
  EXPECT_EQ(looks.SetProfilePicture(3, L"cat.png", kImages + L"\\cat.png"), 1);
  EXPECT_TRUE(files.copies.empty());
  EXPECT_EQ(Value(L"Profile #3 Image"), L"cat.png");
}

TEST_F(ProfileLooksTest, PicturesThatCannotBeKeptAreRefused) {
  Start();
  files.files.insert(L"C:\\x.png");
  const std::wstring names[] = {L"", L"..\\..\\Windows\\x.png", L"a/b.png", L"C:x.png",
                                std::wstring(252, L'p') + L".png"};
  for (const std::wstring& name : names) {
    EXPECT_EQ(looks.SetProfilePicture(1, name, L"C:\\x.png"), 0) << name.size();
  }
  files.refuseCopies = true;
  EXPECT_EQ(looks.SetProfilePicture(1, L"x.png", L"C:\\x.png"), 0);
  EXPECT_EQ(looks.SetProfilePicture(1, L"y.png", L"C:\\missing.png"), 0);
  EXPECT_TRUE(view.events.empty());
  EXPECT_EQ(Value(L"Profile #1 Image"), L"<absent>");
}

TEST_F(ProfileLooksTest, ResettingAPictureAndName) {
  Stored(L"Profile #2", L"Sniper");
  Stored(L"Profile #2 Image", L"cat.png");
  Start();
  EXPECT_EQ(looks.ResetProfilePicture(0, true), 0);
  EXPECT_TRUE(view.events.empty());
  EXPECT_EQ(looks.ResetProfilePicture(2, true), 1);
  EXPECT_EQ(view.events, (Events{L"hide preview 2", L"pictures 2 209/210", L"caption 2 設定檔 2",
                                 L"big default 224"}));
  EXPECT_EQ(Value(L"Profile #2"), L"<absent>");
  EXPECT_EQ(Value(L"Profile #2 Image"), L"<absent>");
  EXPECT_EQ(looks.Name(2), L"設定檔 2");
}

TEST_F(ProfileLooksTest, PicturePathOfAProfile) {
  Stored(L"Profile #1 Image", L"cat.png");
  Stored(L"Profile #2 Image", L"..\\evil.png");
  Stored(L"Profile #3 Image", std::wstring(256, L'p'));
  Start();
  EXPECT_EQ(looks.GetProfilePicturePath(1), kImages + L"\\cat.png");
  EXPECT_EQ(looks.PictureName(1), L"cat.png");
  EXPECT_EQ(looks.GetProfilePicturePath(0), kImages + L"\\");
  EXPECT_EQ(looks.GetProfilePicturePath(2), kImages + L"\\");
  EXPECT_EQ(looks.GetProfilePicturePath(3), kImages + L"\\");
}

TEST_F(ProfileLooksTest, RevertWithoutPictureAtStartLeavesNoValues) {
  Start();
  files.files.insert(L"C:\\dog.png");
  looks.SetProfileName(1, L"Changed");
  looks.SetProfilePicture(1, L"dog.png", L"C:\\dog.png");
  view.events.clear();
  EXPECT_EQ(looks.RevertProfileLooks(1), 1);
  EXPECT_EQ(looks.Name(1), L"設定檔 1");
  EXPECT_EQ(Value(L"Profile #1"), L"<absent>");
  EXPECT_EQ(Value(L"Profile #1 Image"), L"<absent>");
  EXPECT_EQ(view.events.back(), L"repaint 1");
  EXPECT_NE(std::find(view.events.begin(), view.events.end(), L"big default 224"),
            view.events.end());
}

// A name the user gave before this run is not lost by a revert.
TEST_F(ProfileLooksTest, RevertKeepsANameStoredBeforeTheStart) {
  Stored(L"Profile #3", L"Sniper");
  Start();
  looks.SetProfileName(3, L"Changed");
  EXPECT_EQ(looks.RevertProfileLooks(3), 1);
  EXPECT_EQ(looks.Name(3), L"Sniper");
  EXPECT_EQ(Value(L"Profile #3"), L"Sniper");
}

TEST_F(ProfileLooksTest, RevertReturnsToThePictureOfTheStartWithoutCopying) {
  Stored(L"Profile #2 Image", L"cat.png");
  Start();
  files.files.insert(L"C:\\dog.png");
  looks.SetProfilePicture(2, L"dog.png", L"C:\\dog.png");
  files.copies.clear();
  EXPECT_EQ(looks.RevertProfileLooks(2), 1);
  EXPECT_TRUE(files.copies.empty());
  EXPECT_EQ(Value(L"Profile #2 Image"), L"cat.png");
  EXPECT_EQ(looks.RevertProfileLooks(0), 0);
}

TEST_F(ProfileLooksTest, AfterALoadTabsShowTheStoredLooks) {
  Stored(L"Profile #1", L"Sniper");
  Stored(L"Profile #1 Image", L"cat.png");
  Start();
  looks.ApplyProfileLooks();
  const Events expected = {
      L"caption 0 一般",   L"unselect 0",
      L"caption 1 Sniper", L"unselect 1", L"pictures 1 192/193", L"preview 1 " + kImages + L"\\cat.png",
      L"caption 2 設定檔 2", L"unselect 2",
      L"caption 3 設定檔 3", L"unselect 3"};
  EXPECT_EQ(view.events, expected);
  view.events.clear();
  looks.ApplyProfileLooks();  // the tab keeps its pair; only the preview reloads
  EXPECT_EQ(std::count(view.events.begin(), view.events.end(), L"pictures 1 192/193"), 0);
}

}  // namespace
