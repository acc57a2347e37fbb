// Picture buttons as windows under Wine: one state image of the strip
// decides their size, and a caption is drawn in the colour of the
// button's active state.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "skin/HoverButtonEx2.h"
#include "skin/MessagePump.h"
#include "tests/skin/HostWindow.h"

namespace {

constexpr int kButtonId = 1002;
constexpr COLORREF kActive = RGB(255, 0, 0);
constexpr COLORREF kInactive = RGB(0, 0, 255);

class HoverButtonWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(button_.Attach(host_.Get(), kButtonId)); }

  int CountOf(COLORREF colour) {
    RedrawWindow(button_.Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    Pump(50);
    HDC dc = GetDC(button_.Window());
    int count = 0;
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 88; ++x) count += GetPixel(dc, x, y) == colour;
    ReleaseDC(button_.Window(), dc);
    return count;
  }

  CHostWindow host_{L"BUTTON", BS_PUSHBUTTON, RECT{10, 10, 30, 30}, kButtonId};
  CHoverButtonEx2 button_;
};

TEST_F(HoverButtonWindowTest, ButtonTakesOneStateImageOfItsStrip) {
  ASSERT_TRUE(button_.SetBitmap(235));  // a 352 × 30 strip
  RECT rect;
  GetWindowRect(button_.Window(), &rect);
  EXPECT_EQ(rect.right - rect.left, 88);
  EXPECT_EQ(rect.bottom - rect.top, 30);
  EXPECT_EQ(button_.StateSize().cx, 88);
}

TEST_F(HoverButtonWindowTest, MissingPictureLeavesAPlainButton) {
  EXPECT_FALSE(button_.SetBitmap(9999));
  RECT rect;
  GetWindowRect(button_.Window(), &rect);
  EXPECT_EQ(rect.right - rect.left, 20);
}

TEST_F(HoverButtonWindowTest, CaptionColourFollowsTheActiveFlag) {
  ASSERT_TRUE(button_.SetBitmap(235));
  HFONT font = CreateFontW(-20, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0,
                           NONANTIALIASED_QUALITY, 0, L"Arial");
  const RECT rect{0, 0, 88, 30};
  button_.SetCaption(L"MMMM", font, &rect, kActive, kInactive);
  EXPECT_GT(CountOf(kActive), 20);
  EXPECT_EQ(CountOf(kInactive), 0);
  button_.SetActive(false);
  EXPECT_GT(CountOf(kInactive), 20);
  EXPECT_EQ(CountOf(kActive), 0);
  DeleteObject(font);
}

TEST_F(HoverButtonWindowTest, ToolTipCarriesItsTextAndPopsDownAfterTwoSeconds) {
  ASSERT_TRUE(button_.SetBitmap(235));
  button_.SetToolTipText(L"Import from a file");
  button_.SetToolTipText(L"Apply");  // the second call reuses the tooltip
  HWND tip = button_.ToolTip();
  ASSERT_NE(tip, nullptr);
  EXPECT_EQ(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
  wchar_t text[80] = {};
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V1_SIZE;
  tool.hwnd = host_.Get();
  tool.uId = reinterpret_cast<UINT_PTR>(button_.Window());
  tool.lpszText = text;
  SendMessageW(tip, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&tool));
  EXPECT_EQ(std::wstring(text), L"Apply");
  EXPECT_EQ(SendMessageW(tip, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0), 2000);
}

}  // namespace
