#include "tests/hook/FakeHookPlatform.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

std::string Hex(std::uintmax_t value) {
  char text[32];
  std::snprintf(text, sizeof text, "%jx", value);
  return text;
}

// Distinct from the key code, so a key sent with another key's scan code
// shows in the log.
std::uint32_t FakeScanCode(std::uint32_t virtualKey) { return virtualKey + 0x100; }

constexpr std::uint32_t kVkScroll = 0x91;

}  // namespace

WindowHandle FakeHookPlatform::AddWindow(std::optional<std::string> className,
                                         WindowHandle parent, ScreenRect rect, bool visible) {
  const WindowHandle handle = 0x10 + windows_.size();
  windows_[handle] = Window{std::move(className), parent, rect, visible, {}};
  (parent == 0 ? topLevel_ : windows_.at(parent).children).push_back(handle);
  return handle;
}

const FakeHookPlatform::Window* FakeHookPlatform::Find(WindowHandle window) const {
  const auto found = windows_.find(window);
  return found == windows_.end() ? nullptr : &found->second;
}

std::optional<WindowClassName> FakeHookPlatform::ClassName(WindowHandle window) {
  const Window* w = Find(window);
  if (w == nullptr || !w->className) return std::nullopt;
  WindowClassName name;
  name.length = std::min(w->className->size(), name.chars.size() - 1);
  std::memcpy(name.chars.data(), w->className->data(), name.length);
  return name;
}

WindowHandle FakeHookPlatform::Parent(WindowHandle window) {
  const Window* w = Find(window);
  return w == nullptr ? 0 : w->parent;
}

WindowHandle FakeHookPlatform::FirstChild(WindowHandle window) {
  const Window* w = Find(window);
  return w == nullptr || w->children.empty() ? 0 : w->children.front();
}

WindowHandle FakeHookPlatform::NextSibling(WindowHandle window) {
  const Window* w = Find(window);
  if (w == nullptr) return 0;
  const auto& siblings = w->parent == 0 ? topLevel_ : windows_.at(w->parent).children;
  const auto at = std::find(siblings.begin(), siblings.end(), window);
  return at + 1 == siblings.end() ? 0 : *(at + 1);
}

// Depth first, each child before its own children, as the system walks.
bool FakeHookPlatform::VisitTree(WindowHandle window, DescendantVisitor& visitor) {
  for (WindowHandle child : windows_.at(window).children) {
    if (!visitor.Visit(child) || !VisitTree(child, visitor)) return false;
  }
  return true;
}

void FakeHookPlatform::VisitDescendants(WindowHandle window, DescendantVisitor& visitor) {
  if (Find(window) != nullptr) VisitTree(window, visitor);
}

bool FakeHookPlatform::IsVisible(WindowHandle window) {
  const Window* w = Find(window);
  return w != nullptr && w->visible;
}

std::optional<ScreenRect> FakeHookPlatform::WindowRect(WindowHandle window) {
  const Window* w = Find(window);
  if (w == nullptr) return std::nullopt;
  return w->rect;
}

WindowHandle FakeHookPlatform::WindowFromPoint(ScreenPoint) { return windowUnderCursor; }

bool FakeHookPlatform::Post(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                            std::intptr_t lParam) {
  log.push_back("post " + Hex(window) + " " + Hex(message) + " " + Hex(wParam) + " " +
                Hex(static_cast<std::uintptr_t>(lParam)));
  return Find(window) != nullptr;
}

std::optional<ScreenPoint> FakeHookPlatform::CursorPos() { return cursor; }

void FakeHookPlatform::SetCursorPos(ScreenPoint point) {
  cursor = point;
  log.push_back("cursor " + std::to_string(point.x) + "," + std::to_string(point.y));
}

void FakeHookPlatform::LeftButton(bool down) {
  log.push_back(down ? "button down" : "button up");
}

std::uint32_t FakeHookPlatform::ScanCode(std::uint32_t virtualKey) {
  return FakeScanCode(virtualKey);
}

void FakeHookPlatform::KeyEvent(std::uint32_t virtualKey, std::uint32_t scanCode,
                                std::uint32_t flags) {
  const bool up = (flags & kKeyUp) != 0;
  std::string line = "key " + Hex(virtualKey) + (up ? " up" : " down");
  if ((flags & kExtendedKey) != 0) line += " ext";
  if (scanCode != FakeScanCode(virtualKey)) line += " wrong-scan";
  log.push_back(line);
  if (virtualKey == kVkScroll && !up) scrollLock = !scrollLock;
}

bool FakeHookPlatform::ScrollLockOn() { return scrollLock; }

std::optional<std::uint32_t> FakeHookPlatform::WheelScrollLines() { return wheelScrollLines; }

std::intptr_t FakeHookPlatform::CallNextHook(HookHandle hook, int code, std::uintptr_t wParam,
                                             std::intptr_t) {
  log.push_back("next " + Hex(reinterpret_cast<std::uintptr_t>(hook)) + " " +
                std::to_string(code) + " " + Hex(wParam));
  return kNextHookResult;
}

MouseHookEvent FakeHookPlatform::ReadMouseHookEvent(std::intptr_t lParam) {
  return *reinterpret_cast<const MouseHookEvent*>(lParam);
}

std::uint32_t FakeHookPlatform::ReadLowLevelMouseData(std::intptr_t lParam) {
  return *reinterpret_cast<const std::uint32_t*>(lParam);
}

bool FakeHookPlatform::OpenProgramKey() {
  keyOpen = keyExists;
  return keyOpen;
}

bool FakeHookPlatform::CreateProgramKey() {
  keyExists = true;
  keyOpen = true;
  return true;
}

std::optional<std::uint32_t> FakeHookPlatform::ReadProgramValue(const char* name) {
  if (!keyOpen || std::strcmp(name, "Process Handle") != 0) return std::nullopt;
  return processHandle;
}

bool FakeHookPlatform::WriteProgramValue(const char* name, std::uint32_t value) {
  if (!keyOpen || std::strcmp(name, "Process Handle") != 0) return false;
  processHandle = value;
  return true;
}

void FakeHookPlatform::CloseProgramKey() { keyOpen = false; }

std::optional<OsVersion> FakeHookPlatform::QueryOsVersion() { return osVersion; }

std::optional<bool> FakeHookPlatform::IsWow64Process() { return wow64; }
