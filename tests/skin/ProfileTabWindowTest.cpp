// The profile tab under Wine: the selected tab and its caption colours, and
// the small picture over its patch surviving the tab's own repaints.
#include <gtest/gtest.h>

#include "skin/HoverButtonEx3.h"
#include "skin/MessagePump.h"
#include "tests/skin/HostWindow.h"
#include "tests/support/WindowsTestSupportWin32.h"

namespace {

constexpr int kTabId = 1012;
constexpr int kTabPicture = 192;  // profile 1 with a patch
constexpr COLORREF kActive = RGB(255, 0, 0);
constexpr COLORREF kInactive = RGB(0, 0, 255);
constexpr COLORREF kUnselected = RGB(0, 200, 0);
constexpr COLORREF kPreview = RGB(255, 0, 255);

class ProfileTabWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(tab_.Attach(host_.Get(), kTabId));
    ASSERT_TRUE(tab_.SetBitmap(kTabPicture));
    font_ = CreateFontW(-20, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0,
                        NONANTIALIASED_QUALITY, 0, L"Arial");
    const RECT caption{40, 0, 143, 33};
    tab_.SetCaption(L"MMMM", font_, &caption, kActive, kInactive);
    tab_.SetUnselectedColour(kUnselected);
    Repaint();
  }
  void TearDown() override { DeleteObject(font_); }

  void Repaint() {
    RedrawWindow(tab_.Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    Pump(50);
  }

  COLORREF At(int x, int y) {
    HDC dc = GetDC(tab_.Window());
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(tab_.Window(), dc);
    return colour;
  }

  int CountOf(COLORREF colour) {
    Repaint();
    int count = 0;
    for (int y = 0; y < 33; ++y)
      for (int x = 40; x < 143; ++x) count += At(x, y) == colour;
    return count;
  }

  // What the form's preview control draws over the patch.
  void DrawPreview() {
    HDC dc = GetDC(tab_.Window());
    HBRUSH brush = CreateSolidBrush(kPreview);
    FillRect(dc, &CHoverButtonEx3::kPatchRect, brush);
    DeleteObject(brush);
    ReleaseDC(tab_.Window(), dc);
  }

  CHostWindow host_{L"BUTTON", BS_PUSHBUTTON, RECT{10, 10, 153, 43}, kTabId};
  CHoverButtonEx3 tab_;
  HFONT font_ = nullptr;
};

TEST_F(ProfileTabWindowTest, CaptionColourFollowsSelectionWhileActive) {
  struct Case { bool selected, active; COLORREF shown; };
  const Case cases[] = {{true, true, kActive}, {false, true, kUnselected},
                        {true, false, kInactive}, {false, false, kInactive}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.selected << c.active);
    tab_.SetSelected(c.selected);
    tab_.SetActive(c.active);
    EXPECT_GT(CountOf(c.shown), 20);
  }
}

TEST_F(ProfileTabWindowTest, SelectedTabShowsThePressedImage) {
  const COLORREF normal = At(70, 2);
  tab_.SetSelected(true);
  Repaint();
  EXPECT_NE(At(70, 2), normal);
  EXPECT_TRUE(SaveWindowScreenshot(host_.Get(), L"skin-tab-selected.bmp"));
  tab_.SetSelected(false);
  Repaint();
  EXPECT_EQ(At(70, 2), normal);
}

TEST_F(ProfileTabWindowTest, PreviewOverThePatchSurvivesHoverAndLeave) {
  const COLORREF normal = At(70, 2);
  DrawPreview();
  SendMessageW(tab_.Window(), WM_MOUSEHOVER, 0, 0);
  Repaint();
  EXPECT_NE(At(70, 2), normal);  // the hover image is drawn around the patch
  EXPECT_EQ(At(20, 15), kPreview);
  EXPECT_TRUE(SaveWindowScreenshot(host_.Get(), L"skin-tab-hover-patch.bmp"));
  SendMessageW(tab_.Window(), WM_MOUSELEAVE, 0, 0);
  Repaint();
  EXPECT_EQ(At(70, 2), normal);
  EXPECT_EQ(At(20, 15), kPreview);
}

TEST_F(ProfileTabWindowTest, WithoutKeepPatchTheTabPaintsOverIt) {
  tab_.SetKeepPatch(false);
  DrawPreview();
  SendMessageW(tab_.Window(), WM_MOUSEHOVER, 0, 0);
  Repaint();
  EXPECT_NE(At(20, 15), kPreview);
}

}  // namespace
