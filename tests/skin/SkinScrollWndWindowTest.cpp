// The skinned scroll bars of a list box under Wine: the wrapper takes the
// list box's place and id, the dialog still reaches the list and hears
// from it, and the bar's thumb follows the list and scrolls it.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "skin/ColorListBoxEx.h"
#include "skin/MessagePump.h"
#include "skin/ParentHook.h"
#include "skin/SkinScrollWnd.h"
#include "tests/skin/HostWindow.h"
#include "tests/support/WindowsTestSupportWin32.h"

namespace {

constexpr int kListId = 1049;
constexpr int kStrips = 282;
constexpr COLORREF kBackground = RGB(52, 62, 64);
constexpr COLORREF kSelectedBackground = RGB(10, 82, 126);
constexpr COLORREF kThumb = RGB(87, 109, 115);

class SkinScrollWndWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(list_.Attach(host_.Get(), kListId));
    list_.SetColours(RGB(217, 218, 219), kBackground, RGB(162, 188, 206), kSelectedBackground);
    list_.SetBackgroundPicture(647);
    ASSERT_TRUE(wrapper_.Attach(kStrips, host_.Get(), kListId));
    owner_.Install(host_.Get(), [this](UINT m, WPARAM w, LPARAM, LRESULT&) {
      if (m == WM_COMMAND && LOWORD(w) == kListId && HIWORD(w) == LBN_SELCHANGE) ++selChanges_;
      return false;
    });
    for (int n = 0; n < 30; ++n) {
      const std::wstring text = L"Function " + std::to_wstring(n);
      SendDlgItemMessageW(host_.Get(), kListId, LB_ADDSTRING, 0,
                          reinterpret_cast<LPARAM>(text.c_str()));
    }
    Pump(100);
  }

  int Top() { return static_cast<int>(SendMessageW(wrapper_.List(), LB_GETTOPINDEX, 0, 0)); }

  // The thumb's middle column, from the bar's top down.
  int ThumbPixels() {
    HWND bar = wrapper_.Vertical().Window();
    RedrawWindow(bar, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC dc = GetDC(bar);
    int first = -1;
    for (int y = 0; y < 200 && first < 0; ++y)
      if (GetPixel(dc, 8, y) == kThumb) first = y;
    ReleaseDC(bar, dc);
    return first;
  }

  CHostWindow host_{L"LISTBOX",
                    LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY | WS_VSCROLL,
                    RECT{10, 10, 190, 150}, kListId};
  CColorListBoxEx list_;
  CSkinScrollWnd wrapper_;
  CParentHook owner_;
  int selChanges_ = 0;
};

TEST_F(SkinScrollWndWindowTest, WrapperTakesTheListsPlaceAndPassesItsMessagesOn) {
  HWND frame = GetDlgItem(host_.Get(), kListId);
  EXPECT_EQ(frame, wrapper_.Window());
  EXPECT_EQ(ClassNameOf(frame), L"ScrollBarFrame");
  EXPECT_EQ(GetDlgCtrlID(GetParent(wrapper_.List())), CSkinScrollWnd::kLimitationId);
  EXPECT_EQ(SendMessageW(wrapper_.List(), LB_GETCOUNT, 0, 0), 30);
  SendMessageW(wrapper_.List(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 1));
  SendMessageW(wrapper_.List(), WM_LBUTTONUP, 0, MAKELPARAM(20, 1));
  EXPECT_EQ(selChanges_, 1);
  // Owner drawing still reaches the coloured list through the wrapper.
  Pump(50);
  HDC dc = GetDC(wrapper_.List());
  EXPECT_EQ(GetPixel(dc, 120, 1), kSelectedBackground);
  ReleaseDC(wrapper_.List(), dc);
  EXPECT_TRUE(SaveWindowScreenshot(host_.Get(), L"skin-scroll-list.bmp"));
}

TEST_F(SkinScrollWndWindowTest, BarTakesTheListsRangeAndItsThumbFollowsTheList) {
  SCROLLINFO own{sizeof(own), SIF_ALL};
  GetScrollInfo(wrapper_.List(), SB_VERT, &own);
  const SScrollRange bar = wrapper_.Vertical().Range();
  EXPECT_EQ(bar, (SScrollRange{own.nMin, own.nMax, static_cast<int>(own.nPage), 0}));
  EXPECT_TRUE(IsWindowVisible(wrapper_.Vertical().Window()));
  EXPECT_FALSE(IsWindowVisible(wrapper_.Horizontal().Window()));
  const int before = ThumbPixels();
  EXPECT_GE(before, 16);  // right under the up arrow
  EXPECT_LE(before, 16 + 4);
  SendMessageW(wrapper_.List(), LB_SETTOPINDEX, 10, 0);
  Pump(700);  // the half-second check
  EXPECT_EQ(wrapper_.Vertical().Range().pos, 10);
  EXPECT_GT(ThumbPixels(), before);
}

TEST_F(SkinScrollWndWindowTest, BarScrollsTheList) {
  HWND bar = wrapper_.Vertical().Window();
  RECT rect;
  GetClientRect(bar, &rect);
  SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, rect.bottom - 4));  // down arrow
  SendMessageW(bar, WM_LBUTTONUP, 0, MAKELPARAM(8, rect.bottom - 4));
  EXPECT_EQ(Top(), 1);
  EXPECT_EQ(wrapper_.Vertical().Range().pos, 1);
  SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 20));  // on the thumb
  SendMessageW(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(8, 1000));
  SendMessageW(bar, WM_LBUTTONUP, 0, MAKELPARAM(8, 1000));
  const LRESULT count = SendMessageW(wrapper_.List(), LB_GETCOUNT, 0, 0);
  const int page = wrapper_.Vertical().Range().page;
  EXPECT_EQ(Top(), count - page);
  Pump(100);
  EXPECT_TRUE(SaveWindowScreenshot(host_.Get(), L"skin-scroll-list-end.bmp"));
}

}  // namespace
