#include <gtest/gtest.h>

#include "app/MemorySettingsStore.h"
#include "app/ProgramValues.h"

namespace {

constexpr RegistryRoot kUser = RegistryRoot::CurrentUser;

class ProgramValuesTest : public ::testing::Test {
 protected:
  std::optional<std::uint32_t> Stored(const wchar_t* name) {
    std::uint32_t value = 0;
    if (store.ReadDword(kUser, kProgramKey, name, value) != kStoreOk) return std::nullopt;
    return value;
  }

  CMemorySettingsStore store;
  CRegistryStore registry{store};
  CProgramValues values{registry};
};

TEST_F(ProgramValuesTest, StartupProfileFallsBackToTheStandardProfile) {
  struct Case {
    const char* what;
    std::function<void(CMemorySettingsStore&)> arrange;
    int profile;
    std::uint32_t storedAfter;
  };
  const Case cases[] = {
      {"no program key", [](CMemorySettingsStore&) {}, 0, 0},
      {"profile 3", [](CMemorySettingsStore& s) { s.CreateKey(kUser, kProgramKey);
                      s.WriteDword(kUser, kProgramKey, kStartupProfileValue, 3); }, 3, 3},
      {"value absent", [](CMemorySettingsStore& s) { s.CreateKey(kUser, kProgramKey); }, 0, 0},
      {"negative", [](CMemorySettingsStore& s) { s.CreateKey(kUser, kProgramKey);
                     s.WriteDword(kUser, kProgramKey, kStartupProfileValue, 0xFFFFFFFE); }, 0, 0},
      {"no such profile", [](CMemorySettingsStore& s) { s.CreateKey(kUser, kProgramKey);
                            s.WriteDword(kUser, kProgramKey, kStartupProfileValue, 4); }, 0, 0},
      {"not a number", [](CMemorySettingsStore& s) { s.CreateKey(kUser, kProgramKey);
                         s.WriteString(kUser, kProgramKey, kStartupProfileValue, L"2"); }, 0, 0},
  };
  for (const Case& c : cases) {
    CMemorySettingsStore fresh;
    c.arrange(fresh);
    CRegistryStore reg(fresh);
    EXPECT_EQ(CProgramValues(reg).ReadStartupProfile(), c.profile) << c.what;
    std::uint32_t stored = 99;
    EXPECT_EQ(fresh.ReadDword(kUser, kProgramKey, kStartupProfileValue, stored), kStoreOk) << c.what;
    EXPECT_EQ(stored, c.storedAfter) << c.what;
  }
}

TEST_F(ProgramValuesTest, OptionsAreOnOnlyForOne) {
  EXPECT_FALSE(values.ReadOption(kWithTimingValue));
  values.StoreOption(kWithTimingValue, true);
  values.StoreOption(kInsertModeValue, false);
  EXPECT_TRUE(values.ReadOption(kWithTimingValue));
  EXPECT_FALSE(values.ReadOption(kInsertModeValue));
  EXPECT_EQ(Stored(kInsertModeValue), 0u);
  store.WriteDword(kUser, kProgramKey, kWithTimingValue, 2);
  EXPECT_FALSE(values.ReadOption(kWithTimingValue));
}

TEST_F(ProgramValuesTest, WindowHandleAndStartupProfileAreStoredAtOnce) {
  values.PublishWindowHandle(0x000A0B2C);
  values.StoreStartupProfile(2);
  EXPECT_EQ(Stored(kProcessHandleValue), 0x000A0B2Cu);
  EXPECT_EQ(Stored(kStartupProfileValue), 2u);
}

TEST_F(ProgramValuesTest, UserLibraryPathFallsBackToTheLibrary) {
  const std::wstring library = L"C:\\Users\\ann\\Documents\\Mirel\\Library";
  EXPECT_EQ(values.ReadUserLibraryPath(library), library);
  values.StoreUserLibraryPath(L"D:\\Profiles");
  EXPECT_EQ(values.ReadUserLibraryPath(library), L"D:\\Profiles");
  values.StoreUserLibraryPath(L"D:\\" + std::wstring(1021, L'p'));  // 1024 characters
  EXPECT_EQ(values.ReadUserLibraryPath(library), library);
  values.StoreUserLibraryPath(L"D:\\" + std::wstring(1020, L'p'));
  EXPECT_EQ(values.ReadUserLibraryPath(library).size(), 1023u);
}

TEST(ProfileValueNames, NumberedByProfile) {
  EXPECT_EQ(ProfileNameValue(0), L"Profile #0");
  EXPECT_EQ(ProfilePictureValue(3), L"Profile #3 Image");
}

}  // namespace
