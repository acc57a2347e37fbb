#include "app/HookHostWin32.h"

#include <windows.h>

namespace {

using LinkNextHookFn = void (*)(HHOOK, HHOOK);

HMODULE AsModule(void* library) { return static_cast<HMODULE>(library); }

template <typename Function>
Function As(void* address) {
  return reinterpret_cast<Function>(address);
}

}  // namespace

std::wstring HookLibraryPathWin32() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return L"MirelHook.dll";
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  path.erase(path.find_last_of(L'\\') + 1);
  return path + L"MirelHook.dll";
}

CHookHostWin32::CHookHostWin32(std::wstring libraryPath)
    : m_LibraryPath(std::move(libraryPath)) {}

void* CHookHostWin32::LoadHookModule() { return LoadLibraryW(m_LibraryPath.c_str()); }

void* CHookHostWin32::FindExport(void* library, const char* name) {
  return reinterpret_cast<void*>(GetProcAddress(AsModule(library), name));
}

void* CHookHostWin32::InstallHook(HookKind kind, void* procedure, void* library) {
  return SetWindowsHookExW(static_cast<int>(kind), As<HOOKPROC>(procedure),
                           static_cast<HINSTANCE>(library), 0);
}

void CHookHostWin32::CallLink(void* linkFunction, void* mouseHook, void* lowLevelHook) {
  As<LinkNextHookFn>(linkFunction)(static_cast<HHOOK>(mouseHook),
                                   static_cast<HHOOK>(lowLevelHook));
}

void CHookHostWin32::RemoveHook(void* hook) { UnhookWindowsHookEx(static_cast<HHOOK>(hook)); }

void CHookHostWin32::FreeHookModule(void* library) { FreeLibrary(AsModule(library)); }

std::optional<std::uint32_t> CHookHostWin32::WheelScrollLines() {
  UINT lines = 0;
  if (!SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0)) return std::nullopt;
  return lines;
}

std::uint32_t CHookHostWin32::ScanCode(std::uint32_t virtualKey) {
  return MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
}

void CHookHostWin32::KeyEvent(std::uint32_t virtualKey, std::uint32_t scanCode, bool up) {
  keybd_event(static_cast<BYTE>(virtualKey), static_cast<BYTE>(scanCode),
              up ? KEYEVENTF_KEYUP : 0, 0);
}
