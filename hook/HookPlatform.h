// What the hook logic needs from the operating system, kept behind one small
// interface so that the logic runs and is tested without Windows. The Win32
// implementation (HookPlatformWin32) maps each call onto one system call;
// tests use a fake window tree.
//
// Nothing here allocates: the hook procedures run inside other programs'
// threads, where a failed allocation must not turn into an exception.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

// A window handle's value; 0 is "no window".
using WindowHandle = std::uintptr_t;

// An opaque hook handle as the system returns it; null is "no hook".
using HookHandle = void*;

struct ScreenPoint {
  int x;
  int y;
};

struct ScreenRect {
  int left;
  int top;
  int right;
  int bottom;
};

// A window class name read into a fixed buffer (the system's limit is 256).
struct WindowClassName {
  std::array<char, 256> chars{};
  std::size_t length = 0;
  std::string_view View() const { return {chars.data(), length}; }
};

// The parts of a mouse hook's event record the logic reads.
struct MouseHookEvent {
  WindowHandle window;        // the window that is to receive the message
  std::uint32_t mouseData;    // high word: the signed wheel delta
};

struct OsVersion {
  enum class Platform { Windows9x, NT, Other };
  Platform platform;
  std::uint32_t major;
  std::uint32_t minor;
};

// Receives descendant windows one by one; returns false to end the walk.
class DescendantVisitor {
 public:
  virtual bool Visit(WindowHandle window) = 0;

 protected:
  ~DescendantVisitor() = default;
};

class HookPlatform {
 public:
  virtual ~HookPlatform() = default;

  // Flags of KeyEvent, with the values the system gives them.
  static constexpr std::uint32_t kExtendedKey = 0x1;
  static constexpr std::uint32_t kKeyUp = 0x2;

  // Windows.
  virtual std::optional<WindowClassName> ClassName(WindowHandle window) = 0;
  virtual WindowHandle Parent(WindowHandle window) = 0;
  virtual WindowHandle FirstChild(WindowHandle window) = 0;
  virtual WindowHandle NextSibling(WindowHandle window) = 0;
  // All descendants of `window`, in the system's enumeration order.
  virtual void VisitDescendants(WindowHandle window, DescendantVisitor& visitor) = 0;
  virtual bool IsVisible(WindowHandle window) = 0;
  virtual std::optional<ScreenRect> WindowRect(WindowHandle window) = 0;
  virtual WindowHandle WindowFromPoint(ScreenPoint point) = 0;
  virtual bool Post(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                           std::intptr_t lParam) = 0;

  // Pointer and synthesised input.
  virtual std::optional<ScreenPoint> CursorPos() = 0;
  virtual void SetCursorPos(ScreenPoint point) = 0;
  virtual void LeftButton(bool down) = 0;
  virtual std::uint32_t ScanCode(std::uint32_t virtualKey) = 0;
  virtual void KeyEvent(std::uint32_t virtualKey, std::uint32_t scanCode, std::uint32_t flags) = 0;
  // The toggle state of Scroll Lock in this thread's keyboard state.
  virtual bool ScrollLockOn() = 0;
  // Empty when the setting cannot be read.
  virtual std::optional<std::uint32_t> WheelScrollLines() = 0;

  // The hook chain. The event readers are called only for wheel events
  // whose code is not negative, when lParam is known to point to a record.
  virtual std::intptr_t CallNextHook(HookHandle hook, int code, std::uintptr_t wParam,
                                     std::intptr_t lParam) = 0;
  virtual MouseHookEvent ReadMouseHookEvent(std::intptr_t lParam) = 0;
  virtual std::uint32_t ReadLowLevelMouseData(std::intptr_t lParam) = 0;

  // The program's registry key (the current user's Software\Mirel), one
  // open key at a time.
  virtual bool OpenProgramKey() = 0;
  virtual bool CreateProgramKey() = 0;
  // Empty unless the value exists as a 4-byte number.
  virtual std::optional<std::uint32_t> ReadProgramValue(const char* name) = 0;
  virtual bool WriteProgramValue(const char* name, std::uint32_t value) = 0;
  virtual void CloseProgramKey() = 0;

  // The system.
  virtual std::optional<OsVersion> QueryOsVersion() = 0;
  // Empty when the query is not available or fails.
  virtual std::optional<bool> IsWow64Process() = 0;
};
