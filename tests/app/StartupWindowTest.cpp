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
  ShownBox box = AnswerBox(second.Id(), L"start-with-file.bmp");
  EXPECT_EQ(box.caption, L"Orvo Mirel 資訊");
  EXPECT_EQ(box.text,
            L"Unable to open file.\n\nPlease open gaming mouse application to import this profile.");
  EXPECT_EQ(second.WaitForExit(10s), 0u);
  EXPECT_TRUE(first_->Running());
}

TEST_F(StartupWindowTest, ClosingTheFirstCopyReleasesTheMutex) {
  PostMessageW(firstWindows_.front(), WM_CLOSE, 0, 0);
  EXPECT_EQ(first_->WaitForExit(10s), 0u);
  EXPECT_FALSE(MutexExists());

  // With no copy running the program starts normally again.
  CTestProcess again(PathFromEnvironment("MIREL_EXE_HU"));
  EXPECT_FALSE(WaitForWindows(again.Id(), nullptr, 10s).empty());
  EXPECT_TRUE(WaitForWindows(again.Id(), kDialogClass, 0ms).empty());
}

}  // namespace
