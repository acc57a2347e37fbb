// The main form's outer frame under Wine: its title buttons follow the
// page picture, it casts a shadow, and it gives the user's window-dragging
// setting back when it goes. Each page is kept as a screenshot.
#include <gtest/gtest.h>

#include <string>

#include "skin/MainFrameDlgEx.h"
#include "skin/SkinIds.h"
#include "skin/MessagePump.h"
#include "tests/support/WindowsTestSupportWin32.h"

namespace {

bool Shown(HWND frame, int id) { return IsWindowVisible(GetDlgItem(frame, id)) != FALSE; }

BOOL DragFullWindows() {
  BOOL value = FALSE;
  SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &value, 0);
  return value;
}

TEST(SkinFrameWindowTest, TitleButtonsFollowThePagePicture) {
  CMainFrameDlgEx frame;
  ASSERT_TRUE(frame.Create(nullptr));
  Pump(300);
  HWND window = frame.Window();
  EXPECT_EQ(frame.Background(), 151);
  RECT rect;
  GetWindowRect(window, &rect);
  EXPECT_EQ(rect.right - rect.left, 369);
  EXPECT_TRUE(Shown(window, IDC_TITLE_CLOSE));
  EXPECT_FALSE(Shown(window, IDC_WEB_PAGE));
  EXPECT_TRUE(SaveWindowScreenshot(window, L"skin-frame-151.bmp"));

  struct Case { int picture; bool three; bool close; };
  const Case cases[] = {{152, false, false}, {153, false, true}, {154, true, false},
                        {151, false, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.picture);
    frame.SetBackground(c.picture);
    Pump(300);
    for (int id : {IDC_WEB_PAGE, IDC_MINIMISE, IDCANCEL}) EXPECT_EQ(Shown(window, id), c.three);
    EXPECT_EQ(Shown(window, IDC_TITLE_CLOSE), c.close);
    EXPECT_TRUE(SaveWindowScreenshot(window, L"skin-frame-" + std::to_wstring(c.picture) + L".bmp"));
  }
  frame.SetBackground(154);
  Pump(200);
  GetWindowRect(window, &rect);
  EXPECT_EQ(rect.right - rect.left, 681);
  EXPECT_EQ(rect.bottom - rect.top, 720);
  ASSERT_NE(frame.Shadow().Window(), nullptr);
  EXPECT_TRUE(IsWindowVisible(frame.Shadow().Window()));

  frame.LockTitleButtons(true);
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, IDC_MINIMISE)));
  frame.LockTitleButtons(false);
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(window, IDC_MINIMISE)));
}

TEST(SkinFrameWindowTest, DraggingSettingIsSwitchedOffAndRestored) {
  SystemParametersInfoW(SPI_SETDRAGFULLWINDOWS, TRUE, nullptr, 0);
  {
    CMainFrameDlgEx frame;
    EXPECT_FALSE(DragFullWindows());
  }
  EXPECT_TRUE(DragFullWindows());
}

TEST(SkinFrameWindowTest, CloseButtonEndsTheFrame) {
  CMainFrameDlgEx frame;
  ASSERT_TRUE(frame.Create(nullptr));
  Pump(200);
  SendMessageW(frame.Window(), WM_COMMAND, IDC_TITLE_CLOSE, 0);
  Pump(50);
  EXPECT_EQ(frame.Window(), nullptr);
}

}  // namespace
