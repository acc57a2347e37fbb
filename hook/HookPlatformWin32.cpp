#include "hook/HookPlatformWin32.h"

namespace {

constexpr const char* kProgramKey = "Software\\Mirel";

HWND ToHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }
WindowHandle FromHwnd(HWND window) { return reinterpret_cast<WindowHandle>(window); }


BOOL CALLBACK VisitOne(HWND window, LPARAM parameter) {
  return reinterpret_cast<DescendantVisitor*>(parameter)->Visit(FromHwnd(window)) ? TRUE : FALSE;
}

}  // namespace

CHookPlatformWin32::CHookPlatformWin32() {
  // Absent before Windows XP SP2; the query then reports nothing.
  if (HMODULE kernel = GetModuleHandleA("kernel32"))
    m_IsWow64Process =
        reinterpret_cast<IsWow64ProcessFn>(
            reinterpret_cast<void*>(GetProcAddress(kernel, "IsWow64Process")));
}

CHookPlatformWin32::~CHookPlatformWin32() { CloseProgramKey(); }

std::optional<WindowClassName> CHookPlatformWin32::ClassName(WindowHandle window) {
  WindowClassName name;
  const int length = GetClassNameA(ToHwnd(window), name.chars.data(),
                                   static_cast<int>(name.chars.size()));
  if (length <= 0) return std::nullopt;
  name.length = static_cast<std::size_t>(length);
  return name;
}

WindowHandle CHookPlatformWin32::Parent(WindowHandle window) {
  return FromHwnd(GetParent(ToHwnd(window)));
}

WindowHandle CHookPlatformWin32::FirstChild(WindowHandle window) {
  return FromHwnd(GetWindow(ToHwnd(window), GW_CHILD));
}

WindowHandle CHookPlatformWin32::NextSibling(WindowHandle window) {
  return FromHwnd(GetWindow(ToHwnd(window), GW_HWNDNEXT));
}

void CHookPlatformWin32::VisitDescendants(WindowHandle window, DescendantVisitor& visitor) {
  EnumChildWindows(ToHwnd(window), VisitOne, reinterpret_cast<LPARAM>(&visitor));
}

bool CHookPlatformWin32::IsVisible(WindowHandle window) {
  return IsWindowVisible(ToHwnd(window)) != FALSE;
}

std::optional<ScreenRect> CHookPlatformWin32::WindowRect(WindowHandle window) {
  RECT rect{};
  if (!GetWindowRect(ToHwnd(window), &rect)) return std::nullopt;
  return ScreenRect{rect.left, rect.top, rect.right, rect.bottom};
}

WindowHandle CHookPlatformWin32::WindowFromPoint(ScreenPoint point) {
  return FromHwnd(::WindowFromPoint(POINT{point.x, point.y}));
}

bool CHookPlatformWin32::Post(WindowHandle window, std::uint32_t message,
                                     std::uintptr_t wParam, std::intptr_t lParam) {
  return PostMessageA(ToHwnd(window), message, wParam, lParam) != FALSE;
}

std::optional<ScreenPoint> CHookPlatformWin32::CursorPos() {
  POINT point{};
  if (!GetCursorPos(&point)) return std::nullopt;
  return ScreenPoint{point.x, point.y};
}

void CHookPlatformWin32::SetCursorPos(ScreenPoint point) { ::SetCursorPos(point.x, point.y); }

void CHookPlatformWin32::LeftButton(bool down) {
  mouse_event(down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
}

std::uint32_t CHookPlatformWin32::ScanCode(std::uint32_t virtualKey) {
  return MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC);
}

void CHookPlatformWin32::KeyEvent(std::uint32_t virtualKey, std::uint32_t scanCode,
                                  std::uint32_t flags) {
  keybd_event(static_cast<BYTE>(virtualKey), static_cast<BYTE>(scanCode), flags, 0);
}

bool CHookPlatformWin32::ScrollLockOn() {
  BYTE state[256]{};
  if (!GetKeyboardState(state)) return false;
  return (state[VK_SCROLL] & 1) != 0;
}

std::optional<std::uint32_t> CHookPlatformWin32::WheelScrollLines() {
  UINT lines = 0;
  if (!SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0)) return std::nullopt;
  return lines;
}

std::intptr_t CHookPlatformWin32::CallNextHook(HookHandle hook, int code, std::uintptr_t wParam,
                                               std::intptr_t lParam) {
  return CallNextHookEx(static_cast<HHOOK>(hook), code, wParam, lParam);
}

MouseHookEvent CHookPlatformWin32::ReadMouseHookEvent(std::intptr_t lParam) {
  const auto* record = reinterpret_cast<const MOUSEHOOKSTRUCTEX*>(lParam);
  return MouseHookEvent{FromHwnd(record->hwnd), static_cast<std::uint32_t>(record->mouseData)};
}

std::uint32_t CHookPlatformWin32::ReadLowLevelMouseData(std::intptr_t lParam) {
  return reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam)->mouseData;
}

bool CHookPlatformWin32::OpenProgramKey() {
  CloseProgramKey();
  m_LastError = RegOpenKeyExA(HKEY_CURRENT_USER, kProgramKey, 0, KEY_ALL_ACCESS, &m_Key);
  if (m_LastError != ERROR_SUCCESS) m_Key = nullptr;
  return m_Key != nullptr;
}

bool CHookPlatformWin32::CreateProgramKey() {
  CloseProgramKey();
  m_LastError = RegCreateKeyExA(HKEY_CURRENT_USER, kProgramKey, 0, nullptr,
                                REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &m_Key, nullptr);
  if (m_LastError != ERROR_SUCCESS) m_Key = nullptr;
  return m_Key != nullptr;
}

std::optional<std::uint32_t> CHookPlatformWin32::ReadProgramValue(const char* name) {
  DWORD type = 0;
  DWORD value = 0;
  DWORD size = sizeof(value);
  m_LastError = RegQueryValueExA(m_Key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value),
                                 &size);
  if (m_LastError != ERROR_SUCCESS || type != REG_DWORD || size != sizeof(value))
    return std::nullopt;
  return value;
}

bool CHookPlatformWin32::WriteProgramValue(const char* name, std::uint32_t value) {
  const DWORD data = value;
  m_LastError = RegSetValueExA(m_Key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                               sizeof(data));
  return m_LastError == ERROR_SUCCESS;
}

void CHookPlatformWin32::CloseProgramKey() {
  if (m_Key == nullptr) return;
  RegCloseKey(m_Key);
  m_Key = nullptr;
}

std::optional<OsVersion> CHookPlatformWin32::QueryOsVersion() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof(info);
  if (!GetVersionExA(&info)) return std::nullopt;
  OsVersion::Platform platform = OsVersion::Platform::Other;
  if (info.dwPlatformId == VER_PLATFORM_WIN32_NT) platform = OsVersion::Platform::NT;
  if (info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS) platform = OsVersion::Platform::Windows9x;
  return OsVersion{platform, info.dwMajorVersion, info.dwMinorVersion};
}

std::optional<bool> CHookPlatformWin32::IsWow64Process() {
  BOOL wow64 = FALSE;
  if (m_IsWow64Process == nullptr || !m_IsWow64Process(GetCurrentProcess(), &wow64))
    return std::nullopt;
  return wow64 != FALSE;
}
