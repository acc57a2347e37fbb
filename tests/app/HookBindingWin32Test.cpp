// The program's binding of the hook library with the real system calls:
// which library it loads, what it leaves behind when the library is
// missing or incomplete, and that unbinding removes every hook and unloads
// the library.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "app/HookBinding.h"
#include "app/HookHostWin32.h"
#include "app/OsVersionWin32.h"
#include "tests/support/WindowsTestSupportWin32.h"

namespace {

std::wstring ProgramFolder() {
  wchar_t self[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring path(self, length);
  return path.substr(0, path.find_last_of(L'\\') + 1);
}

// A hook handle that has been removed can no longer be removed.
bool HookStillInstalled(void* hook) {
  if (!UnhookWindowsHookEx(static_cast<HHOOK>(hook))) return false;
  ADD_FAILURE() << "hook was still installed";
  return true;
}

TEST(HookBindingWin32, ThisWindowsGetsTheHooks) {
  EXPECT_TRUE(CHookBinding::IsWantedFor(QueryOsCode()));
}

TEST(HookBindingWin32, LibraryIsLookedForBesideTheProgramOnly) {
  EXPECT_EQ(HookLibraryPathWin32(), ProgramFolder() + L"MirelHook.dll");

  // A library of that name in the current folder, which is on the system's
  // search path, is not taken.
  const std::wstring planted = ProgramFolder() + L"planted";
  CreateDirectoryW(planted.c_str(), nullptr);
  ASSERT_TRUE(CopyFileW(PathFromEnvironment("MIREL_HOOK_DLL").c_str(),
                        (planted + L"\\MirelHook.dll").c_str(), FALSE));
  wchar_t previous[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, previous);
  SetCurrentDirectoryW(planted.c_str());
  {
    CHookHostWin32 host;
    CHookBinding binding(host);
    EXPECT_EQ(binding.LoadHookLibrary(), 0);
    EXPECT_EQ(GetModuleHandleW(L"MirelHook.dll"), nullptr);
  }
  SetCurrentDirectoryW(previous);
  DeleteFileW((planted + L"\\MirelHook.dll").c_str());
  RemoveDirectoryW(planted.c_str());
}

TEST(HookBindingWin32, MissingLibraryBindsNothing) {
  CHookHostWin32 host(ProgramFolder() + L"missing\\MirelHook.dll");
  CHookBinding binding(host);
  EXPECT_EQ(binding.LoadHookLibrary(), 0);
  EXPECT_FALSE(binding.Loaded());
  EXPECT_EQ(binding.MouseHook(), nullptr);
  EXPECT_EQ(binding.LowLevelHook(), nullptr);
  EXPECT_EQ(binding.UnloadHookLibrary(), 1);
}

TEST(HookBindingWin32, LibraryWithoutLowLevelProcedureKeepsOnlyTheMouseHook) {
  const std::wstring path = PathFromEnvironment("MIREL_HOOK_WITHOUT_LL_DLL");
  CHookHostWin32 host(path);
  CHookBinding binding(host);
  EXPECT_EQ(binding.LoadHookLibrary(), 0);
  ASSERT_TRUE(binding.Loaded());
  void* mouseHook = binding.MouseHook();
  EXPECT_NE(mouseHook, nullptr);
  EXPECT_EQ(binding.LowLevelHook(), nullptr);
  HMODULE module = GetModuleHandleW(path.c_str());
  ASSERT_NE(module, nullptr);
  const auto linkCalls =
      reinterpret_cast<LONG (*)()>(reinterpret_cast<void*>(GetProcAddress(module, "LinkCalls")));
  ASSERT_NE(linkCalls, nullptr);
  EXPECT_EQ(linkCalls(), 0);

  binding.UnloadHookLibrary();
  EXPECT_FALSE(HookStillInstalled(mouseHook));
  EXPECT_EQ(GetModuleHandleW(path.c_str()), nullptr);
}

TEST(HookBindingWin32, HookLibraryIsBoundAndReleasedCompletely) {
  const std::wstring path = PathFromEnvironment("MIREL_HOOK_DLL");
  CHookHostWin32 host(path);
  CHookBinding binding(host);
  EXPECT_EQ(binding.LoadHookLibrary(), 1);
  void* mouseHook = binding.MouseHook();
  void* lowLevelHook = binding.LowLevelHook();
  EXPECT_NE(mouseHook, nullptr);
  EXPECT_NE(lowLevelHook, nullptr);

  binding.UnloadHookLibrary();
  EXPECT_FALSE(binding.Loaded());
  EXPECT_FALSE(HookStillInstalled(mouseHook));
  EXPECT_FALSE(HookStillInstalled(lowLevelHook));
  EXPECT_EQ(GetModuleHandleW(path.c_str()), nullptr);
}

}  // namespace
