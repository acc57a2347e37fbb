// The hook logic's platform on Windows: each operation is one system call.
// Lives in every process the library is mapped into.
#pragma once

#include <windows.h>

#include "hook/HookPlatform.h"

class CHookPlatformWin32 final : public HookPlatform {
 public:
  CHookPlatformWin32();
  ~CHookPlatformWin32() override;
  CHookPlatformWin32(const CHookPlatformWin32&) = delete;
  CHookPlatformWin32& operator=(const CHookPlatformWin32&) = delete;

  std::optional<WindowClassName> ClassName(WindowHandle window) override;
  WindowHandle Parent(WindowHandle window) override;
  WindowHandle FirstChild(WindowHandle window) override;
  WindowHandle NextSibling(WindowHandle window) override;
  void VisitDescendants(WindowHandle window, DescendantVisitor& visitor) override;
  bool IsVisible(WindowHandle window) override;
  std::optional<ScreenRect> WindowRect(WindowHandle window) override;
  WindowHandle WindowFromPoint(ScreenPoint point) override;
  bool Post(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                   std::intptr_t lParam) override;

  std::optional<ScreenPoint> CursorPos() override;
  void SetCursorPos(ScreenPoint point) override;
  void LeftButton(bool down) override;
  std::uint32_t ScanCode(std::uint32_t virtualKey) override;
  void KeyEvent(std::uint32_t virtualKey, std::uint32_t scanCode, std::uint32_t flags) override;
  bool ScrollLockOn() override;
  std::optional<std::uint32_t> WheelScrollLines() override;

  std::intptr_t CallNextHook(HookHandle hook, int code, std::uintptr_t wParam,
                             std::intptr_t lParam) override;
  MouseHookEvent ReadMouseHookEvent(std::intptr_t lParam) override;
  std::uint32_t ReadLowLevelMouseData(std::intptr_t lParam) override;

  bool OpenProgramKey() override;
  bool CreateProgramKey() override;
  std::optional<std::uint32_t> ReadProgramValue(const char* name) override;
  bool WriteProgramValue(const char* name, std::uint32_t value) override;
  void CloseProgramKey() override;

  std::optional<OsVersion> QueryOsVersion() override;
  std::optional<bool> IsWow64Process() override;

 private:
  using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);

  HKEY m_Key = nullptr;
  LSTATUS m_LastError = ERROR_SUCCESS;
  IsWow64ProcessFn m_IsWow64Process = nullptr;
};
