// The skinned list view under Wine: rows in the list's colours with the
// selected one in its own pair while it stays selected, the 18-pixel
// header, and the skinned bar's thumb following the list and driving it.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "skin/MessagePump.h"
#include "skin/ParentHook.h"
#include "skin/SkinListCtrl.h"
#include "tests/skin/HostWindow.h"
#include "tests/support/WindowsTestSupportWin32.h"

namespace {

constexpr int kListId = 1080;
constexpr int kRows = 40;
constexpr int kBarHeight = 294;

bool InitListViews() {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES};
  return InitCommonControlsEx(&controls) != FALSE;
}

class SkinListWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The owner hears only what the list passes on; the painting is
    // counted before the list answers it.
    owner_.Install(host_.Get(), [this](UINT m, WPARAM, LPARAM l, LRESULT&) {
      if (m == WM_NOTIFY && reinterpret_cast<NMHDR*>(l)->code == LVN_ITEMCHANGED) ++selectionNews_;
      return false;
    });
    ASSERT_TRUE(list_.Attach(host_.Get(), kListId));
    painting_.Install(host_.Get(), [this](UINT m, WPARAM, LPARAM l, LRESULT&) {
      if (m == WM_NOTIFY && reinterpret_cast<NMHDR*>(l)->code == NM_CUSTOMDRAW &&
          reinterpret_cast<NMCUSTOMDRAW*>(l)->dwDrawStage == CDDS_PREPAINT) {
        ++paints_;
      }
      return false;
    });
    HWND w = list_.Window();
    const wchar_t* titles[] = {L"Row", L"Command"};
    for (int c = 0; c < 2; ++c) {
      LVCOLUMNW column{LVCF_TEXT | LVCF_WIDTH, 0, c == 0 ? 50 : 200,
                       const_cast<wchar_t*>(titles[c])};
      SendMessageW(w, LVM_INSERTCOLUMNW, c, reinterpret_cast<LPARAM>(&column));
    }
    for (int r = 0; r < kRows; ++r) {
      std::wstring text = std::to_wstring(r + 1);
      LVITEMW item{LVIF_TEXT, r, 0, 0, 0, text.data()};
      SendMessageW(w, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
      std::wstring command = L"Key A press";
      item.iSubItem = 1;
      item.pszText = command.data();
      SendMessageW(w, LVM_SETITEMTEXTW, r, reinterpret_cast<LPARAM>(&item));
    }
    Select(1);
    list_.ScrollBar().UpdateThumbPosition();
    Pump(100);
    selectionNews_ = 0;
  }

  void Select(int row) {
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list_.Window(), LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
  }

  RECT RowRect(int row) {
    RECT rect{LVIR_BOUNDS};
    SendMessageW(list_.Window(), LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rect));
    return rect;
  }

  COLORREF At(HWND window, int x, int y) {
    HDC dc = GetDC(window);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
  }

  int Top() { return static_cast<int>(SendMessageW(list_.Window(), LVM_GETTOPINDEX, 0, 0)); }

  void Click(int y) {
    HWND bar = list_.ScrollBar().Window();
    SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(9, y));
    SendMessageW(bar, WM_LBUTTONUP, 0, MAKELPARAM(9, y));
  }

  bool initialised_ = InitListViews();
  CHostWindow host_{WC_LISTVIEWW, LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL,
                    RECT{10, 10, 288, 10 + kBarHeight}, kListId};
  CSkinListCtrl list_;
  CParentHook owner_;
  CParentHook painting_;
  int selectionNews_ = 0;
  int paints_ = 0;
};

TEST_F(SkinListWindowTest, SelectedRowDrawsInItsColoursAndStaysSelected) {
  RedrawWindow(list_.Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  Pump(100);
  const RECT first = RowRect(0), second = RowRect(1);
  EXPECT_EQ(At(list_.Window(), 240, first.top + 1), CSkinListCtrl::kBackground);
  EXPECT_EQ(At(list_.Window(), 240, second.top + 1), CSkinListCtrl::kSelectedBackground);
  EXPECT_EQ(SendMessageW(list_.Window(), LVM_GETITEMSTATE, 1, LVIS_SELECTED), LVIS_SELECTED);
  EXPECT_EQ(selectionNews_, 0);
  EXPECT_TRUE(SaveWindowScreenshot(host_.Get(), L"skin-list.bmp"));
}

TEST_F(SkinListWindowTest, DrawingTheSelectedRowDoesNotRepaintForever) {
  RedrawWindow(list_.Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_GE(paints_, 1);
  paints_ = 0;
  Pump(500);
  EXPECT_LE(paints_, 1);
}

TEST_F(SkinListWindowTest, HeaderIsEighteenPixelsHigh) {
  RECT rect;
  GetWindowRect(list_.Header().Window(), &rect);
  EXPECT_EQ(rect.bottom - rect.top, 18);
  EXPECT_EQ(RowRect(0).top, 18);
}

TEST_F(SkinListWindowTest, ThumbFollowsTheWheelAndTheKeys) {
  CSkinVerticleScrollbar& bar = list_.ScrollBar();
  EXPECT_EQ(bar.ThumbTop(), 33);
  SendMessageW(list_.Window(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
  EXPECT_EQ(Top(), 1);
  const int afterOneRow = bar.ThumbTop();
  EXPECT_GT(afterOneRow, 33);
  SendMessageW(list_.Window(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  EXPECT_EQ(Top(), 0);
  EXPECT_EQ(bar.ThumbTop(), 33);
  SendMessageW(list_.Window(), WM_KEYDOWN, VK_END, 0);
  SendMessageW(list_.Window(), WM_KEYUP, VK_END, 0);
  Pump(50);
  EXPECT_EQ(bar.ThumbTop(), kBarHeight - 61);
  EXPECT_TRUE(SaveWindowScreenshot(host_.Get(), L"skin-list-end.bmp"));
}

TEST_F(SkinListWindowTest, ArrowsStepARowTheTrackAPageAndTheThumbDrags) {
  const int shown = static_cast<int>(SendMessageW(list_.Window(), LVM_GETCOUNTPERPAGE, 0, 0));
  Click(kBarHeight - 5);  // down arrow
  EXPECT_EQ(Top(), 1);
  Click(25);  // up arrow
  EXPECT_EQ(Top(), 0);
  Click(200);  // track below the thumb
  EXPECT_EQ(Top(), shown);
  Click(40);  // track above the thumb
  EXPECT_EQ(Top(), 0);
  HWND bar = list_.ScrollBar().Window();
  SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(9, 40));  // on the thumb
  SendMessageW(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(9, 1000));
  SendMessageW(bar, WM_LBUTTONUP, 0, MAKELPARAM(9, 1000));
  EXPECT_EQ(Top(), kRows - shown);
  EXPECT_EQ(list_.ScrollBar().ThumbTop(), kBarHeight - 61);
}

}  // namespace
