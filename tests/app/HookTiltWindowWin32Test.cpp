// Horizontal scrolling as a user meets it: with the hook library bound, a
// wheel tilt over a window with a horizontal scroll bar moves that bar, and
// the program's answer to a browser pane's request types arrow keys into
// the focused window.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <vector>

#include "app/HookBinding.h"
#include "app/HookHostWin32.h"
#include "hook/WheelRepeatCount.h"
#include "tests/support/WindowsTestSupportWin32.h"

namespace {

using namespace std::chrono_literals;

constexpr int kStartPosition = 50;

struct PaneLog {
  std::vector<WPARAM> scrolls;
  int wheelTilts = 0;
  std::vector<WPARAM> keysDown;
};

PaneLog g_Log;

LRESULT CALLBACK PaneProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_HSCROLL: {
      g_Log.scrolls.push_back(wParam);
      const int step = LOWORD(wParam) == SB_LINELEFT ? -1 : LOWORD(wParam) == SB_LINERIGHT;
      SetScrollPos(window, SB_HORZ, GetScrollPos(window, SB_HORZ) + step, TRUE);
      return 0;
    }
    case WM_MOUSEHWHEEL:
      ++g_Log.wheelTilts;
      return 0;
    case WM_KEYDOWN:
      g_Log.keysDown.push_back(wParam);
      return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// Pumps this thread's messages until `done` or the time is up.
template <typename Done>
void PumpUntil(Done done, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!done() && std::chrono::steady_clock::now() < deadline) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    Sleep(10);
  }
}

class HookTiltWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_Log = {};
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = PaneProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"MirelTiltPane";
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    RegisterClassW(&windowClass);
    pane_ = CreateWindowExW(WS_EX_TOPMOST, L"MirelTiltPane", L"Tilt pane",
                            WS_OVERLAPPEDWINDOW | WS_HSCROLL | WS_VISIBLE, 200, 150, 400, 300,
                            nullptr, nullptr, windowClass.hInstance, nullptr);
    ASSERT_NE(pane_, nullptr);
    SetScrollRange(pane_, SB_HORZ, 0, 100, FALSE);
    SetScrollPos(pane_, SB_HORZ, kStartPosition, TRUE);
    SetForegroundWindow(pane_);
    SetFocus(pane_);
    PumpUntil([] { return false; }, 300ms);
    UINT lines = 0;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    lines_ = WheelRepeatCount(lines);
  }
  void TearDown() override { DestroyWindow(pane_); }

  void Tilt(int delta) {
    RECT client;
    GetClientRect(pane_, &client);
    POINT center{client.right / 2, client.bottom / 2};
    ClientToScreen(pane_, &center);
    SetCursorPos(center.x, center.y);
    PumpUntil([] { return false; }, 100ms);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_HWHEEL;
    input.mi.mouseData = static_cast<DWORD>(delta);
    SendInput(1, &input, sizeof(input));
  }

  HWND pane_ = nullptr;
  int lines_ = 0;
};

TEST_F(HookTiltWindowTest, TiltOverAWindowWithAHorizontalBarScrollsIt) {
  CHookHostWin32 host(PathFromEnvironment("MIREL_HOOK_DLL"));
  CHookBinding binding(host);
  ASSERT_EQ(binding.LoadHookLibrary(), 1);

  const auto scrolled = [&](std::size_t n) { return [&, n] { return g_Log.scrolls.size() >= n; }; };
  Tilt(-WHEEL_DELTA);
  PumpUntil(scrolled(lines_), 3s);
  EXPECT_EQ(g_Log.scrolls, std::vector<WPARAM>(lines_, SB_LINELEFT));
  EXPECT_EQ(GetScrollPos(pane_, SB_HORZ), kStartPosition - lines_);
  SaveWindowScreenshot(pane_, L"hook-tilt-left.bmp");

  Tilt(WHEEL_DELTA);
  PumpUntil(scrolled(2 * lines_), 3s);
  EXPECT_EQ(GetScrollPos(pane_, SB_HORZ), kStartPosition);
  EXPECT_EQ(g_Log.wheelTilts, 0) << "the tilts were to be replaced, not passed on";
}

TEST_F(HookTiltWindowTest, ScrollRequestTypesArrowsIntoTheFocusedWindow) {
  CHookHostWin32 host;
  CHookBinding binding(host);
  EXPECT_EQ(binding.OnHookHScroll(1, 0), 1);
  PumpUntil([&] { return g_Log.keysDown.size() >= std::size_t(lines_); }, 3s);
  EXPECT_EQ(binding.OnHookHScroll(2, 0), 1);
  PumpUntil([&] { return g_Log.keysDown.size() >= std::size_t(2 * lines_); }, 3s);
  std::vector<WPARAM> expected(lines_, VK_LEFT);
  expected.insert(expected.end(), lines_, VK_RIGHT);
  EXPECT_EQ(g_Log.keysDown, expected);
}

}  // namespace
