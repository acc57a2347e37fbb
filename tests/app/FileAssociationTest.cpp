#include <gtest/gtest.h>

#include "app/FileAssociation.h"
#include "app/MemorySettingsStore.h"
#include "tests/app/FakeShell.h"

namespace {

constexpr RegistryRoot kClasses = RegistryRoot::ClassesRoot;
constexpr RegistryRoot kUser = RegistryRoot::CurrentUser;
const std::wstring kCommand = L"\"C:\\Program Files\\Orvo\\Mirel.exe\" \"%1\"";

class FileAssociationTest : public ::testing::Test {
 protected:
  std::wstring Read(RegistryRoot root, const std::wstring& key, const std::wstring& name = L"") {
    std::wstring text;
    return store.ReadString(root, key, name, text) == kStoreOk ? text : L"<absent>";
  }

  CMemorySettingsStore store;
  CRegistryStore registry{store};
  FakeShell shell;
  CFileAssociation association{registry, shell};
};

// The shell replaces %1 with the file's path: the command must start this
// very executable with that path as its one argument.
TEST_F(FileAssociationTest, TheOpenCommandStartsThisProgramWithTheFile) {
  EXPECT_EQ(association.OpenCommand(), kCommand);
}

TEST_F(FileAssociationTest, AFreshSystemGetsTheWholeAssociation) {
  EXPECT_EQ(association.EnsureFileAssociation(), 1);
  EXPECT_EQ(Read(kClasses, L".POF"), L"Mirel_Files");
  EXPECT_TRUE(store.HasKey(kClasses, L"Mirel_Files\\shell\\open"));
  EXPECT_EQ(Read(kClasses, L"Mirel_Files\\shell\\open\\command"), kCommand);
  EXPECT_EQ(Read(kUser, kFileExtsKey), L"Mirel_Files");
  EXPECT_EQ(Read(kUser, kFileExtsKey, L"Application"), L"Mirel.exe");
}

TEST_F(FileAssociationTest, AnExistingCommandIsRefreshedOnlyWhenItDiffers) {
  struct Case {
    std::wstring stored;
    std::wstring after;
  };
  const Case cases[] = {
      {kCommand, kCommand},
      {L"\"c:\\program files\\orvo\\mirel.exe\" \"%1\"", kCommand},  // letter case counts
      {L"\"C:\\Old\\Mirel.exe\\Mirel.exe\" \"%1\"", kCommand},
  };
  for (const Case& c : cases) {
    CMemorySettingsStore fresh;
    fresh.CreateKey(kClasses, L".POF");
    fresh.WriteString(kClasses, L".POF", L"", L"Mirel_Files");
    fresh.CreateKey(kClasses, kOpenCommandKey);
    fresh.WriteString(kClasses, kOpenCommandKey, L"", c.stored);
    CRegistryStore reg(fresh);
    EXPECT_EQ(CFileAssociation(reg, shell).EnsureFileAssociation(), 1);
    std::wstring after;
    fresh.ReadString(kClasses, kOpenCommandKey, L"", after);
    EXPECT_EQ(after, c.after);
    EXPECT_FALSE(fresh.HasKey(kUser, kFileExtsKey));  // nothing else written
  }
}

TEST_F(FileAssociationTest, AnotherProgramsAssociationIsLeftAlone) {
  store.CreateKey(kClasses, L".POF");
  store.WriteString(kClasses, L".POF", L"", L"Other_Files");
  EXPECT_EQ(association.EnsureFileAssociation(), 1);
  EXPECT_EQ(Read(kClasses, L".POF"), L"Other_Files");
  EXPECT_FALSE(store.HasKey(kClasses, L"Mirel_Files"));
}

TEST_F(FileAssociationTest, TheSequenceStopsAtTheFirstRefusal) {
  store.DenyAccess(kUser, kFileExtsKey);
  EXPECT_EQ(association.EnsureFileAssociation(), 0);
  EXPECT_EQ(Read(kClasses, kOpenCommandKey), kCommand);  // what came before stays

  CMemorySettingsStore denied;
  denied.DenyAccess(kClasses, L"Mirel_Files");
  CRegistryStore reg(denied);
  EXPECT_EQ(CFileAssociation(reg, shell).EnsureFileAssociation(), 0);
  EXPECT_FALSE(denied.HasKey(kUser, kFileExtsKey));
}

TEST_F(FileAssociationTest, AnInaccessibleCommandIsNotRefreshed) {
  store.CreateKey(kClasses, kOpenCommandKey);
  store.WriteString(kClasses, kOpenCommandKey, L"", L"old");
  store.DenyAccess(kClasses, kOpenCommandKey);
  EXPECT_EQ(association.RefreshOpenCommand(), 1);
  EXPECT_EQ(store.PeekString(kClasses, kOpenCommandKey, L""), L"old");
}

TEST(FileNameOf, TakesWhatFollowsTheLastSeparator) {
  EXPECT_EQ(FileNameOf(L"C:\\a\\Mirel.exe"), L"Mirel.exe");
  EXPECT_EQ(FileNameOf(L"C:/a/b.exe"), L"b.exe");
  EXPECT_EQ(FileNameOf(L"plain.exe"), L"plain.exe");
}

}  // namespace
