// Opens the skinned message box in this process under Wine and checks what
// a user meets: its shape, its panel 38 pixels lower, the shadow following
// it, the buttons' sizes and the progress pictures. Screenshots of each
// kind go to artifacts/.
#include <gtest/gtest.h>

#include <string>

#include "skin/SkinDlgEx.h"
#include "skin/SkinIds.h"
#include "skin/MessagePump.h"
#include "tests/support/WindowsTestSupportWin32.h"

namespace {

RECT WindowRectOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

bool InsideRegion(HWND window, int x, int y) {
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  const bool shaped = GetWindowRgn(window, region) != ERROR;
  const bool inside = !shaped || PtInRegion(region, x, y);
  DeleteObject(region);
  return inside;
}

class SkinBoxWindowTest : public ::testing::Test {
 protected:
  void Open(int kind, const std::wstring& text = L"", int range = 0) {
    box_.SetKind(kind);
    box_.SetMessageText(text);
    box_.SetRange(range);
    ASSERT_TRUE(box_.Create(nullptr));
    Pump(300);
  }
  void TearDown() override {
    if (box_.Window() != nullptr) box_.End(IDCANCEL);
    Pump(50);
  }

  CSkinDlgEx box_;
};

TEST_F(SkinBoxWindowTest, BoxIsShapedLikeItsPictureAndDraggedByItsTopStrip) {
  Open(346, L"Die Einstellungen wurden gespeichert.");
  HWND box = box_.Window();
  const RECT rect = WindowRectOf(box);
  EXPECT_EQ(rect.right - rect.left, 369);
  EXPECT_EQ(rect.bottom - rect.top, 300);
  EXPECT_FALSE(InsideRegion(box, 0, 0));    // rounded corner: outside grey
  EXPECT_FALSE(InsideRegion(box, 368, 299));
  EXPECT_TRUE(InsideRegion(box, 20, 150));
  EXPECT_TRUE(InsideRegion(box, 184, 0));

  const auto hit = [&](int y) {
    return SendMessageW(box, WM_NCHITTEST, 0, MAKELPARAM(rect.left + 100, rect.top + y));
  };
  EXPECT_EQ(hit(10), HTCAPTION);
  EXPECT_EQ(hit(34), HTCAPTION);
  EXPECT_EQ(hit(35), HTCLIENT);
  EXPECT_TRUE(SaveWindowScreenshot(box, L"skin-box-346.bmp"));
}

TEST_F(SkinBoxWindowTest, PanelAndShadowFollowTheBox) {
  Open(343, L"Change?");
  HWND box = box_.Window();
  ASSERT_NE(box_.Panel(), nullptr);
  HWND panel = box_.Panel()->Window();
  HWND shadow = box_.Shadow().Window();
  ASSERT_NE(shadow, nullptr);

  SetWindowPos(box, nullptr, 200, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  Pump(200);
  const RECT moved = WindowRectOf(box);
  EXPECT_EQ(WindowRectOf(panel).top, moved.top + CSkinDlgEx::kPanelDrop);
  EXPECT_EQ(WindowRectOf(panel).left, moved.left);
  EXPECT_TRUE(IsWindowVisible(shadow));
  const RECT shade = WindowRectOf(shadow);
  EXPECT_EQ(shade.left, moved.left - 5);
  EXPECT_EQ(shade.top, moved.top - 5);
  EXPECT_EQ(shade.right, moved.right + 5);
  EXPECT_EQ(shade.bottom, moved.bottom + 5);

  ShowWindow(box, SW_MINIMIZE);
  Pump(200);
  EXPECT_FALSE(IsWindowVisible(shadow));
  ShowWindow(box, SW_RESTORE);
  Pump(200);
  EXPECT_TRUE(IsWindowVisible(shadow));
  EXPECT_EQ(WindowRectOf(shadow).left, WindowRectOf(box).left - 5);
}

TEST_F(SkinBoxWindowTest, ButtonsTakeOneStateOfTheirStripAndSitWhereTheKindSays) {
  struct Case { int kind; int okX, okY; bool cancel; };
  const Case cases[] = {{346, 140, 214, false}, {343, 89, 214, true}, {648, 89, 214, true},
                        {345, 89, 214, true}, {342, 89, 292, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    Open(c.kind, L"?");
    HWND panel = box_.Panel()->Window();
    HWND ok = GetDlgItem(panel, IDOK);
    RECT r = WindowRectOf(ok);
    MapWindowPoints(nullptr, panel, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.right - r.left, 88);
    EXPECT_EQ(r.bottom - r.top, 30);
    EXPECT_EQ(r.left, c.okX);
    EXPECT_EQ(r.top, c.okY);
    EXPECT_EQ(IsWindowVisible(GetDlgItem(panel, IDCANCEL)) != FALSE, c.cancel);
    EXPECT_TRUE(SaveWindowScreenshot(box_.Window(), L"skin-box-" + std::to_wstring(c.kind) + L".bmp"));
    box_.End(IDCANCEL);
    Pump(50);
  }
}

TEST_F(SkinBoxWindowTest, ProgressKindsMoveTheirPicturesOnlyForWParamOne) {
  Open(339, L"", 113);
  EXPECT_EQ(box_.Panel(), nullptr);
  EXPECT_TRUE(IsWindowVisible(box_.Bar().Window()));
  SendMessageW(box_.Window(), WM_BOX_PROGRESS, 1, 57);
  EXPECT_EQ(box_.Bar().Frame(), 11);
  SendMessageW(box_.Window(), WM_BOX_PROGRESS, 0, 100);
  EXPECT_EQ(box_.Bar().Frame(), 11);
  SendMessageW(box_.Window(), WM_BOX_PROGRESS, 1, 95);
  EXPECT_EQ(box_.Bar().Frame(), 19);
  Pump(100);
  EXPECT_TRUE(SaveWindowScreenshot(box_.Window(), L"skin-box-339.bmp"));
  box_.End(IDCANCEL);
  Pump(50);

  Open(340, L"", 8);
  EXPECT_TRUE(IsWindowVisible(box_.Spinner().Window()));
  for (int p = 1; p < 8; ++p) {
    SendMessageW(box_.Window(), WM_BOX_PROGRESS, 1, p);
    EXPECT_EQ(box_.Spinner().Frame(), p);
  }
  EXPECT_TRUE(SaveWindowScreenshot(box_.Window(), L"skin-box-340.bmp"));
}

TEST_F(SkinBoxWindowTest, PanelOkAndCloseEndTheBoxOnce) {
  Open(343, L"?");
  box_.PanelOK();
  Pump(50);
  EXPECT_EQ(box_.Window(), nullptr);
  Open(343, L"?");
  box_.CloseBox();
  box_.CloseBox();
  Pump(50);
  EXPECT_EQ(box_.Window(), nullptr);
  // A progress box after a box with a panel ends on OK as well.
  Open(340, L"", 8);
  EXPECT_EQ(box_.Panel(), nullptr);
  box_.PanelOK();
  Pump(50);
  EXPECT_EQ(box_.Window(), nullptr);
}

}  // namespace

namespace {

TEST_F(SkinBoxWindowTest, ProfileBoxShowsTheDefaultPictureWithoutAPictureOfItsOwn) {
  for (const wchar_t* path : {L"", L"C:\\Pictures\\", L"C:\\no such picture.png"}) {
    SCOPED_TRACE(testing::Message() << path);
    box_.SetPath(path);
    box_.SetDefaultPicture(224);
    Open(342);
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(box_.Window(), IDC_DEFAULT_PICTURE)));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(box_.Window(), IDC_PICTURE_PREVIEW)));
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(box_.Panel()->Window(), IDC_NAME)));
    box_.End(IDCANCEL);
    Pump(50);
  }
}

}  // namespace
