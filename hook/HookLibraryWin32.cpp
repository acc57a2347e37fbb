// MirelHook.dll's entry point and exports. The program installs the two
// procedures as system-wide mouse hooks, so this code runs in the program
// and in every process whose threads receive mouse input; each process gets
// its own CHook at attach, and all of them share one direction flag.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <new>

#include "hook/Hook.h"
#include "hook/HookPlatformWin32.h"

namespace {

// The data every process that maps the library shares, in a section of its
// own that the linker marks shared.
struct SharedHookData {
  std::uint32_t unused;
  std::uint32_t direction;
};
static_assert(sizeof(SharedHookData) == 8);
static_assert(offsetof(SharedHookData, direction) == 4);

__attribute__((section(".shared"), shared)) SharedHookData g_Shared = {0, 0};

struct ProcessHook {
  CHookPlatformWin32 platform;
  CHook hook{&platform, &g_Shared.direction};
};

ProcessHook* g_Process = nullptr;

void AttachProcess() {
  if (g_Process == nullptr) g_Process = new (std::nothrow) ProcessHook;
  ++CHook::m_HookCnt;
}

void DetachProcess() {
  if (g_Process == nullptr) return;
  if (--CHook::m_HookCnt != 0) return;
  delete g_Process;
  g_Process = nullptr;
}

}  // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) AttachProcess();
  if (reason == DLL_PROCESS_DETACH) DetachProcess();
  return TRUE;
}

// Exported as "_MouseProc@12" (see MirelHook.def).
LRESULT CALLBACK MouseProc(int code, WPARAM wParam, LPARAM lParam) {
  // Without this process's object the event can only be passed on.
  if (g_Process == nullptr) return CallNextHookEx(nullptr, code, wParam, lParam);
  return g_Process->hook.MouseProc(code, wParam, lParam);
}

// Exported as "_LLMouseProc@12".
LRESULT CALLBACK LLMouseProc(int code, WPARAM wParam, LPARAM lParam) {
  if (g_Process == nullptr) return CallNextHookEx(nullptr, code, wParam, lParam);
  return g_Process->hook.LLMouseProc(code, wParam, lParam);
}

void LinkNextHook(HHOOK mouseHook, HHOOK lowLevelHook) {
  if (g_Process != nullptr) g_Process->hook.LinkNextHook(mouseHook, lowLevelHook);
}

void LinkNextLLHook(HHOOK lowLevelHook) {
  if (g_Process != nullptr) g_Process->hook.LinkNextLLHook(lowLevelHook);
}

void UnLinkHook() {
  if (g_Process != nullptr) g_Process->hook.UnLinkHook();
}

}  // extern "C"
