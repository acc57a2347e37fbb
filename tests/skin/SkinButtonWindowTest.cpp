// The skin buttons under Wine: the picture shown for each state, the shape
// cut from the normal picture, the check state they keep, a double click
// counting as a second press, and the caption of the captioned kind.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "skin/MessagePump.h"
#include "skin/ParentHook.h"
#include "skin/Pictures.h"
#include "skin/xSkinButtonEx.h"
#include "tests/skin/HostWindow.h"
#include "tests/support/WindowsTestSupportWin32.h"

namespace {

constexpr int kTitleId = 1043;
// The first group's title pictures, 148 × 32: normal, pressed, hover, disabled.
constexpr int kNormal = 452, kPressed = 453, kHover = 454, kDisabled = 455;
constexpr POINT kProbe{40, 16};

COLORREF PictureAt(int id, POINT at) {
  CBitmap picture = LoadPicture(id);
  const SIZE size = PictureSize(picture.Get());
  const std::uint32_t pixel = PicturePixels(picture.Get(), size)[at.y * size.cx + at.x];
  return RGB(pixel >> 16 & 0xFF, pixel >> 8 & 0xFF, pixel & 0xFF);
}

class SkinButtonWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(button_.Attach(host_.Get(), kTitleId));
    clicks_.Install(host_.Get(), [this](UINT m, WPARAM w, LPARAM, LRESULT&) {
      if (m == WM_COMMAND && LOWORD(w) == kTitleId && HIWORD(w) == BN_CLICKED) ++clicks;
      return false;
    });
  }

  COLORREF At(POINT at) {
    RedrawWindow(button_.Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    Pump(50);
    HDC dc = GetDC(button_.Window());
    const COLORREF colour = GetPixel(dc, at.x, at.y);
    ReleaseDC(button_.Window(), dc);
    return colour;
  }

  int CountOf(COLORREF colour) {
    At(kProbe);
    HDC dc = GetDC(button_.Window());
    int count = 0;
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 148; ++x) count += GetPixel(dc, x, y) == colour;
    ReleaseDC(button_.Window(), dc);
    return count;
  }

  CHostWindow host_{L"BUTTON", BS_PUSHBUTTON, RECT{10, 10, 158, 42}, kTitleId};
  CxSkinButtonEx button_;
  CParentHook clicks_;
  int clicks = 0;
};

TEST_F(SkinButtonWindowTest, EachStateShowsItsPicture) {
  ASSERT_TRUE(button_.SetLookPictures(kNormal, kPressed, kHover, kDisabled));
  HWND w = button_.Window();
  EXPECT_EQ(At(kProbe), PictureAt(kNormal, kProbe));
  SendMessageW(w, WM_MOUSEHOVER, 0, 0);
  EXPECT_EQ(At(kProbe), PictureAt(kHover, kProbe));
  SendMessageW(w, BM_SETSTATE, TRUE, 0);
  EXPECT_EQ(At(kProbe), PictureAt(kPressed, kProbe));
  SendMessageW(w, BM_SETSTATE, FALSE, 0);
  SendMessageW(w, WM_MOUSELEAVE, 0, 0);
  SendMessageW(w, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_EQ(SendMessageW(w, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(At(kProbe), PictureAt(kPressed, kProbe));
  EnableWindow(w, FALSE);
  EXPECT_EQ(At(kProbe), PictureAt(kDisabled, kProbe));
  EXPECT_TRUE(SaveWindowScreenshot(host_.Get(), L"skin-button-disabled.bmp"));
}

TEST_F(SkinButtonWindowTest, WithoutADisabledPictureTheNormalOneShows) {
  ASSERT_TRUE(button_.SetLookPictures(kNormal, kPressed, kHover));
  EnableWindow(button_.Window(), FALSE);
  EXPECT_EQ(At(kProbe), PictureAt(kNormal, kProbe));
}

TEST_F(SkinButtonWindowTest, TakesTheSizeAndRoundedShapeOfItsNormalPicture) {
  ASSERT_TRUE(button_.SetLookPictures(kNormal, kPressed, kHover, kDisabled));
  RECT rect;
  GetWindowRect(button_.Window(), &rect);
  EXPECT_EQ(rect.right - rect.left, 148);
  EXPECT_EQ(rect.bottom - rect.top, 32);
  CRegion shape(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(button_.Window(), shape.Get()), ERROR);
  EXPECT_FALSE(PtInRegion(shape.Get(), 0, 0));
  EXPECT_TRUE(PtInRegion(shape.Get(), 74, 16));
  EXPECT_FALSE(button_.SetLookPictures(9999, 9999, 9999));
}

TEST_F(SkinButtonWindowTest, DoubleClickIsASecondPress) {
  ASSERT_TRUE(button_.SetLookPictures(kNormal, kPressed, kHover, kDisabled));
  HWND w = button_.Window();
  const LPARAM at = MAKELPARAM(20, 10);
  SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(w, WM_LBUTTONUP, 0, at);
  SendMessageW(w, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  SendMessageW(w, WM_LBUTTONUP, 0, at);
  Pump(50);
  EXPECT_EQ(clicks, 2);
}

TEST_F(SkinButtonWindowTest, CaptionIsDrawnInTheColourOfTheEnabledState) {
  ASSERT_TRUE(button_.SetLookPictures(kNormal, kPressed, kHover, kDisabled));
  HFONT font = CreateFontW(-16, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0,
                           NONANTIALIASED_QUALITY, 0, L"Arial");
  const RECT caption{11, 8, 136, 26};
  button_.SetCaption(L"Left button", font, &caption);
  EXPECT_GT(CountOf(CxSkinButtonEx::kEnabledColour), 20);
  EXPECT_TRUE(SaveWindowScreenshot(host_.Get(), L"skin-button-caption.bmp"));
  EnableWindow(button_.Window(), FALSE);
  EXPECT_GT(CountOf(CxSkinButtonEx::kDisabledColour), 20);
  EXPECT_EQ(CountOf(CxSkinButtonEx::kEnabledColour), 0);
  DeleteObject(font);
}

}  // namespace
