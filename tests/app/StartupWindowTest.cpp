// Starts the real Mirel.exe of each edition under Wine and checks the
// start-up rules as a user meets them: one running copy, a second copy
// refused with its edition's message, a file argument refused before the
// instance rule. Each box is kept as a screenshot in artifacts/.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/WindowsTestSupportWin32.h"

namespace {

using namespace std::chrono_literals;

constexpr wchar_t kMutexName[] = L"Orvo Gaming Mouse: Mirel";
constexpr wchar_t kDialogClass[] = L"#32770";

struct EditionCase {
  const char* code;
  const char* exeVariable;
  const wchar_t* caption;
  const wchar_t* alreadyOpen;
};

const EditionCase kEditions[] = {
    {"zh-TW", "MIREL_EXE_ZH_TW", L"Orvo Mirel 資訊", L"此應用程式已開啟。"},
    {"zh-CN", "MIREL_EXE_ZH_CN", L"Orvo Mirel 信息", L"此应用程序已打开。"},
    {"hu", "MIREL_EXE_HU", L"Orvo Mirel ÜZENET", L"Az alkalmazás már nyitva van."},
};

std::wstring Wide(const char* text) { return std::wstring(text, text + strlen(text)); }

bool MutexExists() {
  HANDLE mutex = OpenMutexW(SYNCHRONIZE, FALSE, kMutexName);
  if (mutex == nullptr) return false;
  CloseHandle(mutex);
  return true;
}

// The standard box a process shows: its caption and text, answered
// with OK after a screenshot.
struct ShownBox {
  std::wstring caption;
  std::wstring text;
};

ShownBox AnswerBox(DWORD processId, const std::wstring& screenshot) {
  std::vector<HWND> boxes = WaitForWindows(processId, kDialogClass, 10s);
  if (boxes.empty()) return {};
  HWND box = boxes.front();
  ShownBox shown;
  shown.caption = WindowTextOf(box);
  shown.text = WindowTextOf(GetDlgItem(box, 0xFFFF));
  Sleep(200);  // let the box finish painting before the screenshot
  EXPECT_TRUE(SaveWindowScreenshot(box, screenshot));
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  return shown;
}

// The skinned information box a process shows: its first line and text,
// answered with its OK button after a screenshot.
struct ShownSkinnedBox {
  std::wstring firstLine;
  std::wstring text;
};

constexpr int kBoxFirstLine = 1733;
constexpr int kBoxText = 1034;

ShownSkinnedBox AnswerSkinnedBox(DWORD processId, const std::wstring& screenshot) {
  HWND box = WaitForWindowWithControl(processId, kBoxFirstLine, 10s);
  HWND panel = WaitForWindowWithControl(processId, IDOK, 10s);
  if (box == nullptr || panel == nullptr) return {};
  ShownSkinnedBox shown{WindowTextOf(GetDlgItem(box, kBoxFirstLine)),
                        WindowTextOf(GetDlgItem(box, kBoxText))};
  Sleep(300);  // let the box and its panel finish painting
  EXPECT_TRUE(SaveWindowScreenshot(box, screenshot));
  PostMessageW(GetDlgItem(panel, IDOK), BM_CLICK, 0, 0);
  return shown;
}

// The frame is the window with the title-strip close button.
constexpr int kFrameTitleClose = 2003;
constexpr int kTryAgain = 1018;
constexpr int kLeave = 1019;

class StartupWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(MutexExists()) << "another copy of the program is running";
    first_ = std::make_unique<CTestProcess>(PathFromEnvironment("MIREL_EXE_ZH_TW"));
    ASSERT_TRUE(first_->Started());
    firstWindows_ = WaitForWindows(first_->Id(), nullptr, 10s);
    ASSERT_FALSE(firstWindows_.empty()) << "the first copy shows no window";
  }

  std::unique_ptr<CTestProcess> first_;
  std::vector<HWND> firstWindows_;
};

TEST_F(StartupWindowTest, SecondCopyOfEveryEditionIsRefused) {
  EXPECT_TRUE(MutexExists());
  for (const EditionCase& edition : kEditions) {
    CTestProcess second(PathFromEnvironment(edition.exeVariable));
    ASSERT_TRUE(second.Started()) << edition.code;
    ShownBox box = AnswerBox(second.Id(), L"already-open-" + Wide(edition.code) + L".bmp");
    EXPECT_EQ(box.caption, edition.caption) << edition.code;
    EXPECT_EQ(box.text, edition.alreadyOpen) << edition.code;
    EXPECT_EQ(second.WaitForExit(10s), 0u) << edition.code;
  }
  EXPECT_TRUE(first_->Running());
  EXPECT_TRUE(MutexExists());
}

TEST_F(StartupWindowTest, FileArgumentIsRefusedBeforeTheInstanceRule) {
  CTestProcess second(PathFromEnvironment("MIREL_EXE_ZH_TW"), L"\"C:\\profiles\\my game.POF\"");
  ASSERT_TRUE(second.Started());
  ShownSkinnedBox box = AnswerSkinnedBox(second.Id(), L"start-with-file.bmp");
  EXPECT_EQ(box.firstLine, L"Unable to open file.");
  EXPECT_EQ(box.text, L"Please open gaming mouse application to import this profile.");
  EXPECT_EQ(second.WaitForExit(10s), 0u);
  EXPECT_TRUE(first_->Running());
}

// Without a mouse (no virtual one is asked for) the program shows the
// compact no-mouse page with its two buttons, and its leave button ends it.
TEST_F(StartupWindowTest, WithoutAMouseTheNoMousePageShowsAndLeaveEndsTheProgram) {
  HWND form = WaitForWindowWithControl(first_->Id(), kTryAgain, 10s);
  HWND frame = WaitForWindowWithControl(first_->Id(), kFrameTitleClose, 10s);
  ASSERT_NE(form, nullptr);
  ASSERT_NE(frame, nullptr);
  EXPECT_TRUE(IsWindowVisible(GetDlgItem(form, kLeave)));
  RECT rect;
  GetWindowRect(frame, &rect);
  EXPECT_EQ(rect.right - rect.left, 369);
  EXPECT_EQ(rect.bottom - rect.top, 300);
  // The form over it is no larger: nothing of the settings page's size
  // may cover the desktop around the small page.
  GetWindowRect(form, &rect);
  EXPECT_EQ(rect.right - rect.left, 369);
  EXPECT_EQ(rect.bottom - rect.top, 300);
  Sleep(300);
  EXPECT_TRUE(SaveWindowScreenshot(frame, L"no-mouse-page.bmp"));

  PostMessageW(form, WM_COMMAND, MAKEWPARAM(kLeave, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(form, kLeave)));
  EXPECT_EQ(first_->WaitForExit(10s), 0u);
  EXPECT_FALSE(MutexExists());
}

TEST_F(StartupWindowTest, ClosingTheFirstCopyReleasesTheMutex) {
  HWND frame = WaitForWindowWithControl(first_->Id(), kFrameTitleClose, 10s);
  ASSERT_NE(frame, nullptr);
  PostMessageW(frame, WM_CLOSE, 0, 0);
  EXPECT_EQ(first_->WaitForExit(10s), 0u);
  EXPECT_FALSE(MutexExists());

  // With no copy running the program starts normally again.
  CTestProcess again(PathFromEnvironment("MIREL_EXE_HU"));
  EXPECT_NE(WaitForWindowWithControl(again.Id(), kTryAgain, 10s), nullptr);
  EXPECT_EQ(WaitForWindowWithControl(again.Id(), 0xFFFF, 0ms), nullptr) << "a message box shows";
}

}  // namespace
