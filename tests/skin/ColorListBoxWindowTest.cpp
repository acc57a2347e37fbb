// The coloured list boxes under Wine: each row drawn in its colour pair,
// the tiled picture behind unselected rows, and the wheel scrolling with
// the list drawn again afterwards.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "skin/ColorListBoxEx.h"
#include "skin/MessagePump.h"
#include "tests/skin/HostWindow.h"
#include "tests/support/WindowsTestSupportWin32.h"

namespace {

constexpr int kListId = 1050;
constexpr int kTilePicture = 647;
constexpr COLORREF kText = RGB(217, 218, 219);
constexpr COLORREF kBackground = RGB(52, 62, 64);
constexpr COLORREF kSelectedText = RGB(162, 188, 206);
constexpr COLORREF kSelectedBackground = RGB(10, 82, 126);

class ColorListBoxWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(list_.Attach(host_.Get(), kListId));
    list_.SetColours(kText, kBackground, kSelectedText, kSelectedBackground);
    for (int n = 0; n < 30; ++n) {
      const std::wstring text = L"Function " + std::to_wstring(n);
      SendMessageW(list_.Window(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    SendMessageW(list_.Window(), LB_SETCURSEL, 1, 0);
    rowHeight_ = static_cast<int>(SendMessageW(list_.Window(), LB_GETITEMHEIGHT, 0, 0));
  }

  void Repaint() {
    RedrawWindow(list_.Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    Pump(50);
  }

  // Pixels of the row `row` places below the top one.
  int CountInRow(int row, COLORREF colour) {
    HDC dc = GetDC(list_.Window());
    int count = 0;
    for (int y = row * rowHeight_; y < (row + 1) * rowHeight_; ++y)
      for (int x = 0; x < 150; ++x) count += GetPixel(dc, x, y) == colour;
    ReleaseDC(list_.Window(), dc);
    return count;
  }

  COLORREF At(int x, int y) {
    HDC dc = GetDC(list_.Window());
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(list_.Window(), dc);
    return colour;
  }

  CHostWindow host_{L"LISTBOX",
                    LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY | WS_VSCROLL,
                    RECT{10, 10, 190, 150}, kListId};
  CColorListBoxEx list_;
  int rowHeight_ = 0;
};

TEST_F(ColorListBoxWindowTest, RowsTakeTheirColourPair) {
  Repaint();
  ASSERT_GT(rowHeight_, 0);
  EXPECT_EQ(At(140, 1), kBackground);
  EXPECT_EQ(At(140, rowHeight_ + 1), kSelectedBackground);
  EXPECT_GT(CountInRow(0, kText), 5);
  EXPECT_EQ(CountInRow(0, kSelectedText), 0);
  EXPECT_GT(CountInRow(1, kSelectedText), 5);
  EXPECT_EQ(CountInRow(1, kText), 0);
  EXPECT_TRUE(SaveWindowScreenshot(host_.Get(), L"skin-colour-list.bmp"));
}

TEST_F(ColorListBoxWindowTest, UnselectedRowsShowTheTiledPicture) {
  ASSERT_TRUE(list_.SetBackgroundPicture(kTilePicture));
  Repaint();
  const COLORREF tileLine = RGB(49, 58, 60);  // the tile's bottom row of 16
  EXPECT_EQ(At(140, 1), kBackground);
  EXPECT_EQ(At(140, 15), rowHeight_ > 15 ? tileLine : kBackground);
  EXPECT_EQ(At(140, rowHeight_ + 1), kSelectedBackground);
  EXPECT_TRUE(SaveWindowScreenshot(host_.Get(), L"skin-colour-list-tiled.bmp"));
}

TEST_F(ColorListBoxWindowTest, WheelScrollsAndTheListIsDrawnAgain) {
  Repaint();
  SendMessageW(list_.Window(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(150, 150));
  Pump(100);
  const LRESULT top = SendMessageW(list_.Window(), LB_GETTOPINDEX, 0, 0);
  EXPECT_GT(top, 0);
  // The selected row 1 scrolled out: every visible row is drawn unselected.
  EXPECT_EQ(At(140, 1), kBackground);
  EXPECT_GT(CountInRow(0, kText), 5);
  EXPECT_EQ(CountInRow(0, kSelectedBackground), 0);
}

}  // namespace
