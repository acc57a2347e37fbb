#include "hook/Hook.h"

#include <atomic>
#include <string_view>

#include "hook/HookOsCode.h"
#include "hook/WheelRepeatCount.h"

namespace {

constexpr std::uint32_t kWmHScroll = 0x0114;
constexpr std::uint32_t kWmLButtonDown = 0x0201;
constexpr std::uint32_t kWmLButtonUp = 0x0202;
constexpr std::uint32_t kWmMouseHWheel = 0x020E;

constexpr std::uint32_t kVkLeft = 0x25;
constexpr std::uint32_t kVkRight = 0x27;
constexpr std::uint32_t kVkScroll = 0x91;

constexpr int kLeft = 0;
constexpr int kRight = 1;

// Scroll-bar ends are clicked this far inside the bar, on its arrow button.
constexpr int kArrowInset = 8;

// Client position (-5, -5), each coordinate a signed 16-bit word: a click
// there gives a browser pane the focus without hitting any of its content.
constexpr std::intptr_t kFocusClickLParam = 0xFFFBFFFB;

constexpr const char* kProcessHandleValue = "Process Handle";

std::int16_t WheelDelta(std::uint32_t mouseData) {
  return static_cast<std::int16_t>(mouseData >> 16);
}

bool IsScrollBarClass(std::string_view name) {
  return name == "ScrollBar" || name == "NUIScrollbar";
}

// Walks the descendants for the second scroll bar, falling back to the only
// one: in the panes this serves, the first bar found is the vertical one.
class SecondScrollBarSearch final : public DescendantVisitor {
 public:
  explicit SecondScrollBarSearch(HookPlatform& platform) : platform_(platform) {}
  bool Visit(WindowHandle window) override {
    const auto name = platform_.ClassName(window);
    if (!name || !IsScrollBarClass(name->View())) return true;
    const bool second = found_ != 0;
    found_ = window;
    return !second;
  }
  WindowHandle Found() const { return found_; }

 private:
  HookPlatform& platform_;
  WindowHandle found_ = 0;
};

class FirstScrollBarSearch final : public DescendantVisitor {
 public:
  explicit FirstScrollBarSearch(HookPlatform& platform) : platform_(platform) {}
  bool Visit(WindowHandle window) override {
    const auto name = platform_.ClassName(window);
    if (!name || name->View() != "ScrollBar") return true;
    found_ = window;
    return false;
  }
  WindowHandle Found() const { return found_; }

 private:
  HookPlatform& platform_;
  WindowHandle found_ = 0;
};

template <typename Search>
WindowHandle FindScrollBar(HookPlatform& platform, WindowHandle parent) {
  Search search(platform);
  platform.VisitDescendants(parent, search);
  return search.Found();
}

}  // namespace

std::uint32_t CHook::m_HookCnt = 0;

CHook::CHook(HookPlatform* platform, std::uint32_t* directionFlag)
    : m_Platform(platform), m_Direction(directionFlag), m_OsCode(GetOsVersion()) {}

std::intptr_t CHook::MouseProc(int code, std::uintptr_t wParam, std::intptr_t lParam) {
  if (code >= 0 && wParam == kWmMouseHWheel)
    return m_Emu_HWheel(m_Platform->ReadMouseHookEvent(lParam));
  return m_Platform->CallNextHook(m_MouseHook, code, wParam, lParam);
}

std::intptr_t CHook::LLMouseProc(int code, std::uintptr_t wParam, std::intptr_t lParam) {
  if (code >= 0 && wParam == kWmMouseHWheel) {
    const bool left = WheelDelta(m_Platform->ReadLowLevelMouseData(lParam)) < 0;
    SetDirection(left ? 1 : 0);
    if (m_CheckIEScroll(left ? kVkLeft : kVkRight) == 1) return 1;
  }
  return m_Platform->CallNextHook(m_LowLevelHook, code, wParam, lParam);
}

void CHook::LinkNextHook(HookHandle mouseHook, HookHandle lowLevelHook) {
  m_MouseHook = mouseHook;
  m_LowLevelHook = lowLevelHook;
}

void CHook::LinkNextLLHook(HookHandle lowLevelHook) { m_LowLevelHook = lowLevelHook; }

void CHook::UnLinkHook() { LinkNextHook(nullptr, nullptr); }

int CHook::m_Emu_HWheel(const MouseHookEvent& m) {
  const int direction = Direction() == 0 ? kRight : kLeft;
  const int count = WheelRepeatCount(m_Platform->WheelScrollLines());
  const auto name = m_Platform->ClassName(m.window);
  if (!name) return GenMsg_HScrolling(m.window, direction, count);
  const std::string_view cls = name->View();
  // List views scroll sideways on their own.
  if (cls == "SysListView32") return 0;
  if (cls == "_WwG") return GenMsg_MsWordHScrolling(m.window, direction, count);
  if (cls == "EXCEL7") return GenKey_HScrolling(m, count, true);
  if (cls == "Internet Explorer_Server" || cls == "paneClassDC")
    return GenClick_HScrolling(m.window, direction, count);
  if (cls == "DirectUIHWND") return GenClick_FMHScrolling(m.window, direction, count);
  return GenMsg_HScrolling(m.window, direction, count);
}

int CHook::GenMsg_HScrolling(WindowHandle window, int direction, int count) {
  // A window with one child takes it for its bar whatever its class; with
  // more, only a scroll bar second in line is passed.
  WindowHandle bar = m_Platform->FirstChild(window);
  if (bar != 0) {
    const WindowHandle next = m_Platform->NextSibling(bar);
    if (next != 0) {
      const auto name = m_Platform->ClassName(next);
      bar = name && IsScrollBarClass(name->View()) ? next : 0;
    }
  }
  PostHScroll(window, direction, count, bar);
  return 1;
}

int CHook::GenMsg_IEHScrolling(WindowHandle window, int direction, int count) {
  return GenMsg_HScrolling(window, direction, count);
}

int CHook::GenMsg_MsWordHScrolling(WindowHandle window, int direction, int count) {
  const WindowHandle parent = m_Platform->Parent(window);
  // Without a parent there is nothing to scroll; the tilt goes on unchanged.
  if (parent == 0) return 0;
  PostHScroll(parent, direction, count, FindScrollBar<SecondScrollBarSearch>(*m_Platform, parent));
  return 1;
}

int CHook::GenClick_HScrolling(WindowHandle window, int direction, int count) {
  const WindowHandle parent = m_Platform->Parent(window);
  if (parent == 0) return 0;
  return ClickScrollBarEnd(FindScrollBar<SecondScrollBarSearch>(*m_Platform, parent), direction,
                           count);
}

int CHook::GenClick_FMHScrolling(WindowHandle window, int direction, int count) {
  const WindowHandle parent = m_Platform->Parent(window);
  if (parent == 0) return 0;
  return ClickScrollBarEnd(FindScrollBar<FirstScrollBarSearch>(*m_Platform, parent), direction,
                           count);
}

int CHook::GenKey_HScrolling(const MouseHookEvent& m, int count, bool scrollLock) {
  // Since NT 6.0 the low-level hook has seen the tilt first; before, the
  // message's own delta is all there is.
  const bool right = m_OsCode > 7 ? Direction() == 0 : WheelDelta(m.mouseData) >= 0;
  return Kbd_EmulateScroll(right ? kVkRight : kVkLeft, count, scrollLock);
}

int CHook::Kbd_EmulateScroll(std::uint32_t virtualKey, int count, bool scrollLock) {
  if (count <= 0) return 0;
  // Spreadsheets move the view, not the selection, under Scroll Lock.
  const bool switched = scrollLock && m_SetScrollLock(0, 1) == 1;
  const std::uint32_t scan = m_Platform->ScanCode(virtualKey);
  for (int i = 0; i < count; ++i) {
    m_Platform->KeyEvent(virtualKey, scan, 0);
    m_Platform->KeyEvent(virtualKey, scan, HookPlatform::kKeyUp);
  }
  if (switched) m_ToggleScrollLock(0);
  return 1;
}

int CHook::m_SetScrollLock(WindowHandle window, int on) {
  if (m_Platform->ScrollLockOn() == (on != 0)) return 0;
  m_ToggleScrollLock(window);
  return 1;
}

int CHook::m_ToggleScrollLock(WindowHandle) {
  const std::uint32_t scan = m_Platform->ScanCode(kVkScroll);
  m_Platform->KeyEvent(kVkScroll, scan, HookPlatform::kExtendedKey);
  m_Platform->KeyEvent(kVkScroll, scan, HookPlatform::kExtendedKey | HookPlatform::kKeyUp);
  return 1;
}

int CHook::m_CheckIEScroll(std::uint32_t virtualKey) {
  const auto cursor = m_Platform->CursorPos();
  if (!cursor) return 0;
  const WindowHandle window = m_Platform->WindowFromPoint(*cursor);
  if (window == 0) return 0;
  const auto name = m_Platform->ClassName(window);
  if (!name || name->View() != "Internet Explorer_Server") return 0;
  m_Platform->Post(window, kWmLButtonDown, 0, kFocusClickLParam);
  m_Platform->Post(window, kWmLButtonUp, 0, kFocusClickLParam);
  if (virtualKey == kVkLeft) InformPanel(1, 0);
  if (virtualKey == kVkRight) InformPanel(2, 0);
  return 1;
}

int CHook::InformPanel(unsigned code, std::intptr_t lParam) {
  if (code != 1 && code != 2) return 0;
  const WindowHandle program = ProgramWindow();
  if (program == 0) return 0;
  return m_Platform->Post(program, WM_HOOK_HSCROLL, code, lParam) ? 1 : 0;
}

std::uint16_t CHook::GetOsVersion() { return HookOsCode(m_Platform->QueryOsVersion()); }

int CHook::IsWow64() {
  if (m_OsCode < 7) return 0;
  return m_Platform->IsWow64Process().value_or(false) ? 1 : 0;
}

std::uint32_t CHook::Direction() const {
  return std::atomic_ref<std::uint32_t>(*m_Direction).load(std::memory_order_relaxed);
}

void CHook::SetDirection(std::uint32_t value) {
  std::atomic_ref<std::uint32_t>(*m_Direction).store(value, std::memory_order_relaxed);
}

void CHook::PostHScroll(WindowHandle window, int direction, int count, WindowHandle bar) {
  for (int i = 0; i < count; ++i)
    m_Platform->Post(window, kWmHScroll, static_cast<std::uintptr_t>(direction),
                            static_cast<std::intptr_t>(bar));
}

int CHook::ClickScrollBarEnd(WindowHandle bar, int direction, int count) {
  if (bar == 0 || !m_Platform->IsVisible(bar)) return 0;
  const auto saved = m_Platform->CursorPos();
  const auto rect = m_Platform->WindowRect(bar);
  // Without the pointer's place it could not be put back.
  if (!saved || !rect) return 0;
  m_Platform->SetCursorPos(direction == kLeft
                               ? ScreenPoint{rect->left + kArrowInset, rect->top + kArrowInset}
                               : ScreenPoint{rect->right - kArrowInset, rect->bottom - kArrowInset});
  for (int i = 0; i < count; ++i) {
    m_Platform->LeftButton(true);
    m_Platform->LeftButton(false);
  }
  m_Platform->SetCursorPos(*saved);
  return 1;
}

// The program's main window, as the program recorded it under its key; 0
// when there is none. A missing key is created with no window recorded, so
// the next look finds the value in place.
WindowHandle CHook::ProgramWindow() {
  if (!m_Platform->OpenProgramKey()) {
    if (m_Platform->CreateProgramKey()) {
      m_Platform->WriteProgramValue(kProcessHandleValue, 0);
      m_Platform->CloseProgramKey();
    }
    return 0;
  }
  const auto value = m_Platform->ReadProgramValue(kProcessHandleValue);
  m_Platform->CloseProgramKey();
  if (!value) return 0;
  // Window handles keep 32 significant bits and widen with their sign.
  return static_cast<WindowHandle>(
      static_cast<std::intptr_t>(static_cast<std::int32_t>(*value)));
}
