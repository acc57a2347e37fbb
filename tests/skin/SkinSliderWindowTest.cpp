// The sensitivity slider as a window under Wine: the notifications it
// posts to its parent for keys and presses, and its pictures by state.
#include <gtest/gtest.h>

#include <vector>

#include "skin/BitmapSliderEx.h"
#include "skin/MessagePump.h"
#include "tests/skin/HostWindow.h"
#include "tests/support/WindowsTestSupportWin32.h"

namespace {

constexpr int kSliderId = 1025;

struct Posted {
  UINT message;
  WPARAM id;
  LPARAM position;
  bool operator==(const Posted&) const = default;
};

class SkinSliderWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(slider_.Attach(parent_, kSliderId));
    slider_.SetPictures(231, 229, 643, 641);
    slider_.SetTransparent(true, RGB(255, 255, 255));
    slider_.SetMargins(2, 2);
    slider_.SetRange(0, 32);
    slider_.SetPos(16);
    slider_.SetTakeFocusOnClick(false);
    Pump(100);
  }

  std::vector<Posted> Drain() {
    std::vector<Posted> posted;
    MSG msg;
    while (PeekMessageW(&msg, parent_, WM_SLIDER_MOVING, WM_SLIDER_PRESSED, PM_REMOVE)) {
      posted.push_back({msg.message, msg.wParam, msg.lParam});
    }
    return posted;
  }

  CHostWindow host_{L"STATIC", 0, RECT{20, 19, 240, 41}, kSliderId};
  HWND parent_ = host_.Get();
  CBitmapSliderEx slider_;
};

TEST_F(SkinSliderWindowTest, HomePostsMovedWithTheMinimum) {
  SendMessageW(slider_.Window(), WM_KEYDOWN, VK_HOME, 0);
  EXPECT_EQ(Drain(), (std::vector<Posted>{{WM_SLIDER_MOVED, kSliderId, 0}}));
  SendMessageW(slider_.Window(), WM_KEYDOWN, VK_NEXT, 0);
  EXPECT_EQ(Drain(), (std::vector<Posted>{{WM_SLIDER_MOVED, kSliderId, 20}}));
}

TEST_F(SkinSliderWindowTest, PressFarFromTheThumbMovesItUnderTheMouseThenDrags) {
  EXPECT_TRUE(SaveWindowScreenshot(parent_, L"skin-slider-enabled.bmp"));
  SendMessageW(slider_.Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(200, 10));
  SendMessageW(slider_.Window(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(9, 10));
  SendMessageW(slider_.Window(), WM_LBUTTONUP, 0, MAKELPARAM(9, 10));
  EXPECT_EQ(Drain(), (std::vector<Posted>{{WM_SLIDER_PRESSED, kSliderId, 30},
                                          {WM_SLIDER_MOVING, kSliderId, 0},
                                          {WM_SLIDER_MOVED, kSliderId, 0}}));
}

TEST_F(SkinSliderWindowTest, DisabledSliderPostsNothing) {
  slider_.Enable(false);
  Pump(100);
  EXPECT_TRUE(SaveWindowScreenshot(parent_, L"skin-slider-disabled.bmp"));
  SendMessageW(slider_.Window(), WM_KEYDOWN, VK_END, 0);
  SendMessageW(slider_.Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(200, 10));
  EXPECT_TRUE(Drain().empty());
  EXPECT_EQ(slider_.Pos(), 16);
}

}  // namespace
