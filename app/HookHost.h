// What the program's binding of the hook library needs from the system:
// loading the library, installing its procedures as hooks, and typing the
// arrow keys the library asks for. Win32: CHookHostWin32; tests use a fake.
#pragma once

#include <cstdint>
#include <optional>

class HookHost {
 public:
  // The system's hook kinds, with their numbers.
  enum class HookKind { Mouse = 7, LowLevelMouse = 14 };

  virtual ~HookHost() = default;

  // Null when the library is missing or cannot be loaded.
  virtual void* LoadHookModule() = 0;
  // Null when the library has no export of that name.
  virtual void* FindExport(void* library, const char* name) = 0;
  // A hook on all threads of the desktop; null when it could not be set.
  virtual void* InstallHook(HookKind kind, void* procedure, void* library) = 0;
  // Calls the library's "LinkNextHook" with the two hook handles.
  virtual void CallLink(void* linkFunction, void* mouseHook, void* lowLevelHook) = 0;
  virtual void RemoveHook(void* hook) = 0;
  virtual void FreeHookModule(void* library) = 0;

  // Empty when the setting cannot be read.
  virtual std::optional<std::uint32_t> WheelScrollLines() = 0;
  virtual std::uint32_t ScanCode(std::uint32_t virtualKey) = 0;
  virtual void KeyEvent(std::uint32_t virtualKey, std::uint32_t scanCode, bool up) = 0;
};
