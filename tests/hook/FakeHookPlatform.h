// A hook platform over a made-up window tree. Everything the hook logic does
// to the outside world lands, in order, in `log` as short readable lines:
//   "post <window> <message> <wParam> <lParam>"   (numbers in hex)
//   "cursor <x>,<y>", "button down", "button up"
//   "key <vk> down|up [ext]"                      (vk in hex)
//   "next <hook> <code> <wParam>"                 (passed down the chain)
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "hook/HookPlatform.h"

class FakeHookPlatform final : public HookPlatform {
 public:
  // Adds a window as the last child of `parent` (0: a top-level window).
  // An empty class name cannot be read.
  WindowHandle AddWindow(std::optional<std::string> className, WindowHandle parent = 0,
                         ScreenRect rect = {}, bool visible = true);

  std::vector<std::string> log;
  std::optional<ScreenPoint> cursor = ScreenPoint{500, 400};
  WindowHandle windowUnderCursor = 0;
  std::optional<std::uint32_t> wheelScrollLines = 1;
  bool scrollLock = false;
  std::optional<OsVersion> osVersion = OsVersion{OsVersion::Platform::NT, 10, 0};
  std::optional<bool> wow64 = false;

  // The program's registry key and its "Process Handle" value (empty: the
  // value is missing or not a number).
  bool keyExists = true;
  std::optional<std::uint32_t> processHandle;
  bool keyOpen = false;

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

  // What CallNextHook answers.
  static constexpr std::intptr_t kNextHookResult = 42;

 private:
  struct Window {
    std::optional<std::string> className;
    WindowHandle parent;
    ScreenRect rect;
    bool visible;
    std::vector<WindowHandle> children;
  };
  bool VisitTree(WindowHandle window, DescendantVisitor& visitor);
  const Window* Find(WindowHandle window) const;

  std::map<WindowHandle, Window> windows_;
  std::vector<WindowHandle> topLevel_;
};
