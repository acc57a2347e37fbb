#include "app/HookBinding.h"

#include "hook/WheelRepeatCount.h"

namespace {

constexpr std::uint32_t kVkLeft = 0x25;
constexpr std::uint32_t kVkRight = 0x27;

}  // namespace

CHookBinding::CHookBinding(HookHost& host) : m_Host(host) {}

CHookBinding::~CHookBinding() { UnloadHookLibrary(); }

bool CHookBinding::IsWantedFor(std::uint16_t osCode) { return osCode > 7; }

int CHookBinding::LoadHookLibrary() {
  m_HookLibrary = m_Host.LoadHookModule();
  if (m_HookLibrary == nullptr) return 0;
  m_MouseProc = m_Host.FindExport(m_HookLibrary, "_MouseProc@12");
  if (m_MouseProc == nullptr) return 0;
  // A hook that could not be set leaves a null handle, which the library
  // is told as it is.
  m_MouseHook = m_Host.InstallHook(HookHost::HookKind::Mouse, m_MouseProc, m_HookLibrary);
  m_LowLevelProc = m_Host.FindExport(m_HookLibrary, "_LLMouseProc@12");
  if (m_LowLevelProc == nullptr) return 0;
  m_LowLevelHook =
      m_Host.InstallHook(HookHost::HookKind::LowLevelMouse, m_LowLevelProc, m_HookLibrary);
  m_LinkFunction = m_Host.FindExport(m_HookLibrary, "LinkNextHook");
  if (m_LinkFunction == nullptr) return 0;
  m_Host.CallLink(m_LinkFunction, m_MouseHook, m_LowLevelHook);
  return 1;
}

int CHookBinding::UnloadHookLibrary() {
  if (m_MouseHook != nullptr) {
    m_Host.RemoveHook(m_MouseHook);
    m_MouseHook = nullptr;
    m_MouseProc = nullptr;
  }
  if (m_LowLevelHook != nullptr) {
    m_Host.RemoveHook(m_LowLevelHook);
    m_LowLevelHook = nullptr;
    m_LowLevelProc = nullptr;
  }
  if (m_HookLibrary != nullptr) {
    m_Host.FreeHookModule(m_HookLibrary);
    m_HookLibrary = nullptr;
    m_MouseProc = nullptr;
    m_LowLevelProc = nullptr;
    m_LinkFunction = nullptr;
  }
  return 1;
}

int CHookBinding::OnHookHScroll(std::uintptr_t wParam, std::intptr_t) {
  if (wParam == 1) {
    SendKeyRepeated(kVkLeft);
    return 1;
  }
  if (wParam == 2) {
    SendKeyRepeated(kVkRight);
    return 1;
  }
  return 0;
}

void CHookBinding::SendKeyRepeated(std::uint32_t virtualKey) {
  const int count = WheelRepeatCount(m_Host.WheelScrollLines());
  const std::uint32_t scan = m_Host.ScanCode(virtualKey);
  for (int i = 0; i < count; ++i) {
    m_Host.KeyEvent(virtualKey, scan, false);
    m_Host.KeyEvent(virtualKey, scan, true);
  }
}
