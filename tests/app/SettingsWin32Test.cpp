// The registry store against Wine's real registry, and the other Windows
// ports of the settings.
#include <windows.h>
#include <shellapi.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/CommandLine.h"
#include "app/DeviceDescription.h"
#include "app/FileAssociation.h"
#include "app/FileSystemWin32.h"
#include "app/SettingsStoreWin32.h"
#include "app/ShellWin32.h"
#include "tests/app/SettingsStoreContract.h"

namespace {

const std::wstring kTestKey = L"Software\\MirelTest\\" + std::to_wstring(GetCurrentProcessId());

void RemoveTestKey() { RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey.c_str()); }

const StoreUnderTest kRegistry{
    "Registry", [] { return std::make_unique<CSettingsStoreWin32>(); }, kTestKey, RemoveTestKey};

INSTANTIATE_TEST_SUITE_P(Registry, SettingsStoreContract, ::testing::Values(kRegistry), StoreName);
INSTANTIATE_TEST_SUITE_P(Registry, RegistryStoreOverStore, ::testing::Values(kRegistry), StoreName);

// Every root of the real registry moved below the test key, so the shell
// and device keys can be written without touching the prefix's own.
class RebasedStore : public CSettingsStore {
 public:
  long OpenKey(RegistryRoot r, const std::wstring& p) override { return real_.OpenKey(kUser, At(r, p)); }
  long CreateKey(RegistryRoot r, const std::wstring& p) override {
    return real_.CreateKey(kUser, At(r, p));
  }
  long ReadDword(RegistryRoot r, const std::wstring& p, const std::wstring& n,
                 std::uint32_t& v) override {
    return real_.ReadDword(kUser, At(r, p), n, v);
  }
  long ReadString(RegistryRoot r, const std::wstring& p, const std::wstring& n,
                  std::wstring& t) override {
    return real_.ReadString(kUser, At(r, p), n, t);
  }
  long WriteDword(RegistryRoot r, const std::wstring& p, const std::wstring& n,
                  std::uint32_t v) override {
    return real_.WriteDword(kUser, At(r, p), n, v);
  }
  long WriteString(RegistryRoot r, const std::wstring& p, const std::wstring& n,
                   const std::wstring& t) override {
    return real_.WriteString(kUser, At(r, p), n, t);
  }
  long DeleteValue(RegistryRoot r, const std::wstring& p, const std::wstring& n) override {
    return real_.DeleteValue(kUser, At(r, p), n);
  }
  long EnumSubkey(RegistryRoot r, const std::wstring& p, std::uint32_t i,
                  std::wstring& n) override {
    return real_.EnumSubkey(kUser, At(r, p), i, n);
  }

  static std::wstring At(RegistryRoot root, const std::wstring& path) {
    return kTestKey + L"\\root" + std::to_wstring(static_cast<int>(root)) + L"\\" + path;
  }

 private:
  static constexpr RegistryRoot kUser = RegistryRoot::CurrentUser;
  CSettingsStoreWin32 real_;
};

class SettingsWin32 : public ::testing::Test {
 protected:
  void TearDown() override { RemoveTestKey(); }

  static std::wstring RealString(const std::wstring& key, const wchar_t* name) {
    wchar_t buffer[1024] = {};
    DWORD size = sizeof(buffer);
    if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name, RRF_RT_REG_SZ, nullptr, buffer,
                     &size) != ERROR_SUCCESS) {
      return L"<absent>";
    }
    return buffer;
  }
};

TEST_F(SettingsWin32, StringsAreStoredWithTheirTerminatingZero) {
  CSettingsStoreWin32 store;
  ASSERT_EQ(store.CreateKey(RegistryRoot::CurrentUser, kTestKey), kStoreOk);
  ASSERT_EQ(store.WriteString(RegistryRoot::CurrentUser, kTestKey, L"Profile #1", L"abc"), kStoreOk);
  DWORD type = 0;
  DWORD size = 0;
  ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, kTestKey.c_str(), L"Profile #1", RRF_RT_ANY |
                         RRF_NOEXPAND, &type, nullptr, &size), ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(size, 4 * sizeof(wchar_t));
}

TEST_F(SettingsWin32, StringsWrittenByOthersWithoutTheirZeroReadSafely) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kTestKey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, &key, nullptr), ERROR_SUCCESS);
  const wchar_t odd[] = {L'a', L'b', L'c'};
  RegSetValueExW(key, L"NoZero", 0, REG_SZ, reinterpret_cast<const BYTE*>(odd), sizeof(odd));
  RegSetValueExW(key, L"OddBytes", 0, REG_SZ, reinterpret_cast<const BYTE*>(odd), 5);
  const DWORD eight[2] = {1, 2};
  RegSetValueExW(key, L"Wide", 0, REG_BINARY, reinterpret_cast<const BYTE*>(eight), sizeof(eight));
  RegCloseKey(key);
  CSettingsStoreWin32 store;
  std::wstring text;
  EXPECT_EQ(store.ReadString(RegistryRoot::CurrentUser, kTestKey, L"NoZero", text), kStoreOk);
  EXPECT_EQ(text, L"abc");
  EXPECT_EQ(store.ReadString(RegistryRoot::CurrentUser, kTestKey, L"OddBytes", text), kStoreOk);
  EXPECT_EQ(text, L"ab");
  std::uint32_t number = 0;
  EXPECT_EQ(store.ReadDword(RegistryRoot::CurrentUser, kTestKey, L"Wide", number), kStoreBadData);
}

// The association's command, run the way the shell runs it, starts this
// very executable with the file's path as its one argument.
TEST_F(SettingsWin32, TheOpenCommandStartsThisProgramWithTheFile) {
  RebasedStore store;
  CRegistryStore registry(store);
  CShellWin32 shell;
  CFileAssociation association(registry, shell);
  ASSERT_EQ(association.EnsureFileAssociation(), 1);
  std::wstring command =
      RealString(RebasedStore::At(RegistryRoot::ClassesRoot, kOpenCommandKey), nullptr);
  const std::wstring file = L"C:\\My Profiles\\game 1.POF";
  command.replace(command.find(L"%1"), 2, file);

  int count = 0;
  LPWSTR* argv = CommandLineToArgvW(command.c_str(), &count);
  ASSERT_NE(argv, nullptr);
  ASSERT_EQ(count, 2);
  const std::wstring program = argv[0];
  const std::vector<std::wstring> args = {argv[1]};
  LocalFree(argv);

  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  EXPECT_EQ(program, self);
  EXPECT_NE(GetFileAttributesW(program.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(FileArgument(args), file);
  const std::wstring exts = RebasedStore::At(RegistryRoot::CurrentUser, kFileExtsKey);
  EXPECT_EQ(RealString(exts, L"Application"), L"settings_win32_test.exe");
  EXPECT_EQ(RealString(exts, nullptr), L"Mirel_Files");
}

TEST_F(SettingsWin32, DeviceDescriptionsInTheRealRegistry) {
  RebasedStore store;
  CRegistryStore registry(store);
  const std::wstring instance = std::wstring(kMouseInterfaceKey) + L"\\7&1";
  ASSERT_EQ(registry.SetString(RegistryRoot::LocalMachine, instance, L"DeviceDesc", L"HID mouse"), 1);
  PatchDeviceDescription(registry);
  EXPECT_EQ(RealString(RebasedStore::At(RegistryRoot::LocalMachine, instance), L"DeviceDesc"),
            kMouseDescription);
}

TEST(ShellWin32, KnowsTheDocumentsAndThisExecutable) {
  CShellWin32 shell;
  const std::optional<std::wstring> documents = shell.DocumentsFolder();
  ASSERT_TRUE(documents);
  EXPECT_FALSE(documents->empty());
  const std::wstring module = shell.ModulePath();
  EXPECT_EQ(FileNameOf(module), L"settings_win32_test.exe");
  EXPECT_NE(GetFileAttributesW(module.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(FileSystemWin32, FoldersAndCopies) {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::wstring folder =
      std::wstring(temp) + L"mirel-fs-" + std::to_wstring(GetCurrentProcessId());
  CFileSystemWin32 files;
  ASSERT_TRUE(files.CreateFolder(folder));
  EXPECT_TRUE(files.CreateFolder(folder));  // an existing folder is fine
  const std::wstring source = folder + L"\\a.png";
  const std::wstring target = folder + L"\\b.png";
  std::ofstream(std::filesystem::path(source), std::ios::binary) << "new";
  std::ofstream(std::filesystem::path(target), std::ios::binary) << "old picture";
  EXPECT_TRUE(files.CopyOver(source, target));
  std::stringstream copied;
  copied << std::ifstream(std::filesystem::path(target), std::ios::binary).rdbuf();
  EXPECT_EQ(copied.str(), "new");
  EXPECT_FALSE(files.CopyOver(folder + L"\\missing.png", target));
  DeleteFileW(source.c_str());
  DeleteFileW(target.c_str());
  RemoveDirectoryW(folder.c_str());
  EXPECT_FALSE(files.CreateFolder(folder + L"\\no\\such\\parent"));
}

}  // namespace
