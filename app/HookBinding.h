// The program's side of the hook library: it loads the library, installs
// its two procedures as system-wide mouse hooks and tells the library their
// handles; it answers the library's requests to scroll a browser pane by
// typing arrow keys. The main form owns one for its whole life.
//
// Nothing here is shown to the user: without the library the program only
// lacks horizontal-scroll emulation.
#pragma once

#include <cstdint>

#include "app/HookHost.h"

class CHookBinding {
 public:
  explicit CHookBinding(HookHost& host);
  // Undoes whatever was bound.
  ~CHookBinding();
  CHookBinding(const CHookBinding&) = delete;
  CHookBinding& operator=(const CHookBinding&) = delete;

  // Hooks are bound from NT 6.0 on (OS codes above 7).
  static bool IsWantedFor(std::uint16_t osCode);

  // 1 when everything was bound. Stops at the first failure and keeps what
  // was done; UnloadHookLibrary undoes it.
  int LoadHookLibrary();
  // Removes the hooks and frees the library, field by field; always 1.
  int UnloadHookLibrary();
  // The library's request (message 0x0577): wParam 1 scrolls left, 2 right.
  // 1 when handled.
  int OnHookHScroll(std::uintptr_t wParam, std::intptr_t lParam);
  // Presses and releases the key as often as one wheel notch scrolls lines.
  void SendKeyRepeated(std::uint32_t virtualKey);

  bool Loaded() const { return m_HookLibrary != nullptr; }
  void* MouseHook() const { return m_MouseHook; }
  void* LowLevelHook() const { return m_LowLevelHook; }

 private:
  HookHost& m_Host;
  void* m_HookLibrary = nullptr;
  void* m_MouseHook = nullptr;
  void* m_LowLevelHook = nullptr;
  void* m_MouseProc = nullptr;
  void* m_LowLevelProc = nullptr;
  void* m_LinkFunction = nullptr;
};
