// The hook binding's host on Windows. The library is loaded by full path:
// loaded by bare name, a "MirelHook.dll" planted anywhere on the search
// path would run inside the program and, through its hook, inside every
// other program on the desktop.
#pragma once

#include <string>

#include "app/HookHost.h"

// "MirelHook.dll" in the folder of the running program.
std::wstring HookLibraryPathWin32();

class CHookHostWin32 final : public HookHost {
 public:
  explicit CHookHostWin32(std::wstring libraryPath = HookLibraryPathWin32());

  void* LoadHookModule() override;
  void* FindExport(void* library, const char* name) override;
  void* InstallHook(HookKind kind, void* procedure, void* library) override;
  void CallLink(void* linkFunction, void* mouseHook, void* lowLevelHook) override;
  void RemoveHook(void* hook) override;
  void FreeHookModule(void* library) override;

  std::optional<std::uint32_t> WheelScrollLines() override;
  std::uint32_t ScanCode(std::uint32_t virtualKey) override;
  void KeyEvent(std::uint32_t virtualKey, std::uint32_t scanCode, bool up) override;

 private:
  std::wstring m_LibraryPath;
};
