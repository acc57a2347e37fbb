// The flat picture button under Wine: green parts of its picture show the
// background, which changes colour while the button is pressed.
#include <gtest/gtest.h>

#include "skin/ButtonST.h"
#include "skin/MessagePump.h"
#include "tests/skin/HostWindow.h"

namespace {

constexpr int kLevelButton = 1023;
constexpr COLORREF kNormal = RGB(200, 0, 0);
constexpr COLORREF kPressed = RGB(0, 0, 200);

class ButtonSTWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(button_.Attach(host_.Get(), kLevelButton));
    button_.SetColours(kNormal, kPressed, kNormal);
  }

  COLORREF At(int x, int y) {
    RedrawWindow(button_.Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    return Shown(x, y);
  }

  // What the button shows without being asked to repaint.
  COLORREF Shown(int x, int y) {
    Pump(50);
    HDC dc = GetDC(button_.Window());
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(button_.Window(), dc);
    return colour;
  }

  CHostWindow host_{L"BUTTON", BS_PUSHBUTTON, RECT{10, 10, 70, 38}, kLevelButton};
  CButtonST button_;
};

TEST_F(ButtonSTWindowTest, GreenOfThePictureShowsTheBackground) {
  ASSERT_TRUE(button_.SetPicture(226));  // 56 × 24, centred at (2, 2)
  EXPECT_EQ(At(2, 2), kNormal);          // the corner pixel of the picture
  const COLORREF middle = At(30, 6);
  EXPECT_NE(middle, kNormal);
  EXPECT_NE(middle, RGB(0, 255, 0));
  SendMessageW(button_.Window(), BM_SETSTATE, TRUE, 0);
  EXPECT_EQ(At(2, 2), kPressed);
  SendMessageW(button_.Window(), BM_SETSTATE, FALSE, 0);
  EXPECT_EQ(At(2, 2), kNormal);
}

// The button control draws its own plain face when it is disabled; the
// form disables the level buttons under every box.
TEST_F(ButtonSTWindowTest, DisablingKeepsThePicture) {
  ASSERT_TRUE(button_.SetPicture(226));
  const COLORREF middle = At(30, 6);
  EnableWindow(button_.Window(), FALSE);
  EXPECT_EQ(Shown(2, 2), kNormal);
  EXPECT_EQ(Shown(30, 6), middle);
}

TEST_F(ButtonSTWindowTest, MissingPictureShowsOnlyTheBackground) {
  EXPECT_FALSE(button_.SetPicture(9999));
  EXPECT_EQ(At(30, 14), kNormal);
}

}  // namespace
