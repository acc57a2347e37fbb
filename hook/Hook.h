// The hook library's logic: for each horizontal wheel tilt, make the window
// under the pointer scroll sideways by the means its class understands
// (scroll messages, clicks on its scroll bar, arrow keys), or hand the tilt
// back to the program for web-browser panes.
//
// One object per process that loads the library. Two processes meet only in
// the direction flag: the low-level hook (in the program's process) writes
// it as the tilt enters the input stream; the mouse hook (in the target's
// process) reads it when the message arrives there.
#pragma once

#include <cstdint>

#include "hook/HookPlatform.h"

#if defined(_WIN32) && defined(MIREL_HOOK_EXPORTS)
#define MIREL_HOOK_API __declspec(dllexport)
#else
#define MIREL_HOOK_API
#endif

// The library's request to the program: wParam 1 scrolls left, 2 right.
inline constexpr std::uint32_t WM_HOOK_HSCROLL = 0x0577;

class MIREL_HOOK_API CHook {
 public:
  // `directionFlag` is the value shared between processes: 1 when the last
  // tilt went left, 0 when it went right.
  CHook(HookPlatform* platform, std::uint32_t* directionFlag);

  // Process attaches of the library not yet matched by a detach.
  static std::uint32_t m_HookCnt;

  // The hook procedures, with the system's arguments.
  std::intptr_t MouseProc(int code, std::uintptr_t wParam, std::intptr_t lParam);
  std::intptr_t LLMouseProc(int code, std::uintptr_t wParam, std::intptr_t lParam);

  void LinkNextHook(HookHandle mouseHook, HookHandle lowLevelHook);
  void LinkNextLLHook(HookHandle lowLevelHook);
  void UnLinkHook();

 protected:
  // Directions: 0 is left, 1 is right. Window arguments of the Scroll Lock
  // methods are not used.
  int m_Emu_HWheel(const MouseHookEvent& m);
  int GenMsg_HScrolling(WindowHandle window, int direction, int count);
  int GenMsg_IEHScrolling(WindowHandle window, int direction, int count);
  int GenMsg_MsWordHScrolling(WindowHandle window, int direction, int count);
  int GenClick_HScrolling(WindowHandle window, int direction, int count);
  int GenClick_FMHScrolling(WindowHandle window, int direction, int count);
  int GenKey_HScrolling(const MouseHookEvent& m, int count, bool scrollLock);
  int Kbd_EmulateScroll(std::uint32_t virtualKey, int count, bool scrollLock);
  int m_SetScrollLock(WindowHandle window, int on);
  int m_ToggleScrollLock(WindowHandle window);
  int m_CheckIEScroll(std::uint32_t virtualKey);
  int InformPanel(unsigned code, std::intptr_t lParam);
  std::uint16_t GetOsVersion();
  int IsWow64();

 private:
  std::uint32_t Direction() const;
  void SetDirection(std::uint32_t value);
  void PostHScroll(WindowHandle window, int direction, int count, WindowHandle bar);
  int ClickScrollBarEnd(WindowHandle bar, int direction, int count);
  WindowHandle ProgramWindow();

  HookPlatform* m_Platform;
  std::uint32_t* m_Direction;
  HookHandle m_MouseHook = nullptr;
  HookHandle m_LowLevelHook = nullptr;
  std::uint16_t m_OsCode;
};
