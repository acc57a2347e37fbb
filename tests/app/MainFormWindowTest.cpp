// Starts the real Mirel.exe under Wine with a virtual mouse kept in a
// state file of the test's own folder, and uses its main form as a user
// would: the settings page of every edition, a profile tab, a function
// choice and the done button, after which the mouse holds the change.
// Screenshots of each step are kept in artifacts/.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "config/RegisterMap.h"
#include "sim/StateFile.h"
#include "tests/support/WindowsTestSupportWin32.h"

namespace {

using namespace std::chrono_literals;

constexpr int kDone = 1002;
constexpr int kApply = 1009;
constexpr int kFirstTab = 1011;
constexpr int kPencil = 1016;
constexpr int kFirstGroupTitle = 1043;
constexpr int kFirstFunctionList = 1049;
constexpr int kFrameMinimise = 1001;
constexpr int kFirstKeyField = 1073;
constexpr int kFirstMacro = 1061;
constexpr int kFirstScript = 1067;
// Items of the lists of groups 1..5: keyboard, macro, script #1.
constexpr int kKeyboardItem = 5;
constexpr int kMacroItem = 6;
constexpr int kFirstScriptItem = 7;
constexpr int kDeviceCombo = 1000;
constexpr int kInformation = 1033;
constexpr int kFirstModeText = 1729;
constexpr int kProfileNameField = 2005;
constexpr int kImport = 1006;
constexpr int kExport = 1007;
// The file-name box of the system's open-file dialog.
constexpr int kOpenFileName = 1148;
constexpr int kBoxFolderText = 1036;
// Time for a freshly shown page and its layered windows to be painted
// before a screenshot.
constexpr DWORD kPaintSettle = 1500;

struct EditionCase {
  const char* code;
  const char* exeVariable;
};

const EditionCase kEditions[] = {
    {"zh-TW", "MIREL_EXE_ZH_TW"}, {"zh-CN", "MIREL_EXE_ZH_CN"}, {"hu", "MIREL_EXE_HU"}};

std::wstring Wide(const char* text) { return std::wstring(text, text + strlen(text)); }

void Click(HWND form, int id) {
  PostMessageW(form, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(form, id)));
}

// An edit's text lives in the edit, not in the window's own caption,
// which is all GetWindowText reads across processes.
std::wstring EditText(HWND edit) {
  wchar_t text[256] = L"";
  SendMessageW(edit, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
  return text;
}

// Picks a function from a group's list as a click on its item does.
void Choose(HWND form, int group, int item) {
  HWND list = GetDlgItem(form, kFirstFunctionList + group);
  SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(item), 0);
  PostMessageW(form, WM_COMMAND, MAKEWPARAM(kFirstFunctionList + group, LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list));
}

// A profile's display name as the program keeps it; empty when none is kept.
std::wstring StoredProfileName(int profile) {
  wchar_t name[64] = L"";
  DWORD size = sizeof(name);
  const std::wstring value = L"Profile #" + std::to_wstring(profile);
  if (RegGetValueW(HKEY_CURRENT_USER, L"Software\\Mirel", value.c_str(), RRF_RT_REG_SZ, nullptr,
                   name, &size) != ERROR_SUCCESS) {
    return L"";
  }
  return name;
}

bool Shown(HWND form, int id) { return IsWindowVisible(GetDlgItem(form, id)) != FALSE; }
bool Enabled(HWND form, int id) { return IsWindowEnabled(GetDlgItem(form, id)) != FALSE; }

class MainFormWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + L"mirel-form-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder_.c_str(), nullptr);
    statePath_ = folder_ + L"\\mouse.state";
    SetEnvironmentVariableW(L"MIREL_VIRTUAL_MOUSE", statePath_.c_str());
    // Every run starts as a first start: on the standard profile.
    RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Mirel", L"AP Startup Profile");
  }
  void TearDown() override {
    RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Mirel", L"User Library Path");
    RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Mirel", L"Profile #1");
    SetEnvironmentVariableW(L"MIREL_VIRTUAL_MOUSE", nullptr);
    DeleteFileW(statePath_.c_str());
    RemoveDirectoryW(folder_.c_str());
  }

  // Starts an edition and waits for its settings page; the form window.
  HWND StartOnSettingsPage(CTestProcess& program) {
    if (!program.Started()) return nullptr;
    return WaitForWindowWithControl(program.Id(), kFirstTab, 30s);
  }

  std::optional<RegisterImage> MouseState() const {
    std::ifstream file(std::filesystem::path(statePath_), std::ios::binary);
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                    std::istreambuf_iterator<char>());
    std::string reason;
    return DecodeStateFile(bytes, reason);
  }

  std::wstring folder_;
  std::wstring statePath_;
};

// Width of a hidden control as the template made it.
int WidthOf(HWND form, int id) {
  RECT rect;
  GetWindowRect(GetDlgItem(form, id), &rect);
  return rect.right - rect.left;
}

TEST_F(MainFormWindowTest, EveryEditionLoadsTheMouseAndShowsTheSettingsPage) {
  std::map<std::string, int> keyFieldWidths;
  for (const EditionCase& edition : kEditions) {
    CTestProcess program(PathFromEnvironment(edition.exeVariable));
    HWND form = StartOnSettingsPage(program);
    ASSERT_NE(form, nullptr) << edition.code;
    HWND frame = WaitForWindowWithControl(program.Id(), kFrameMinimise, 5s);
    ASSERT_NE(frame, nullptr) << edition.code;
    RECT rect;
    GetWindowRect(frame, &rect);
    EXPECT_EQ(rect.right - rect.left, 681) << edition.code;
    EXPECT_EQ(rect.bottom - rect.top, 720) << edition.code;
    // The standard profile shows first: fixed functions, no pencil.
    EXPECT_TRUE(WaitUntil([&] { return !Enabled(form, kFirstGroupTitle) && !Shown(form, kPencil); },
                          5s))
        << edition.code;
    keyFieldWidths[edition.code] = WidthOf(form, kFirstKeyField);
    Sleep(kPaintSettle);
    EXPECT_TRUE(SaveWindowScreenshot(frame, L"settings-page-" + Wide(edition.code) + L".bmp"));
    PostMessageW(frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(10s), 0u) << edition.code;
  }
  // The Hungarian edition's template is its own: narrower key fields make
  // room for its longer captions.
  EXPECT_EQ(keyFieldWidths["zh-TW"], keyFieldWidths["zh-CN"]);
  EXPECT_LT(keyFieldWidths["hu"], keyFieldWidths["zh-TW"]);
}

// The information button shows the four profile names in the mode
// switcher's box; the pencil edits the current profile's name. Each box
// locks the frame's title buttons while it is up.
TEST_F(MainFormWindowTest, TheInformationAndEditBoxesShowTheProfileNames) {
  CTestProcess program(PathFromEnvironment("MIREL_EXE_ZH_TW"));
  HWND form = StartOnSettingsPage(program);
  ASSERT_NE(form, nullptr);

  HWND frame = WaitForWindowWithControl(program.Id(), kFrameMinimise, 5s);
  ASSERT_NE(frame, nullptr);

  Click(form, kInformation);
  HWND box = WaitForWindowWithControl(program.Id(), kFirstModeText, 10s);
  HWND panel = WaitForWindowWithControl(program.Id(), IDOK, 10s);
  ASSERT_NE(box, nullptr);
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(WindowTextOf(GetDlgItem(box, kFirstModeText)), L"一般");
  EXPECT_EQ(WindowTextOf(GetDlgItem(box, kFirstModeText + 1)), L"設定檔 1");
  EXPECT_FALSE(Enabled(frame, kFrameMinimise));
  Sleep(kPaintSettle);
  EXPECT_TRUE(SaveWindowScreenshot(box, L"mode-switcher-box.bmp"));
  PostMessageW(GetDlgItem(panel, IDOK), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return Enabled(frame, kFrameMinimise); }, 5s));

  Click(form, kFirstTab + 1);
  EXPECT_TRUE(WaitUntil([&] { return Shown(form, kPencil); }, 5s));
  Click(form, kPencil);
  HWND editPanel = WaitForWindowWithControl(program.Id(), kProfileNameField, 10s);
  ASSERT_NE(editPanel, nullptr);
  EXPECT_EQ(EditText(GetDlgItem(editPanel, kProfileNameField)), L"設定檔 1");
  Sleep(kPaintSettle);
  EXPECT_TRUE(SaveWindowScreenshot(GetWindow(editPanel, GW_OWNER), L"profile-edit-box.bmp"));
  PostMessageW(GetDlgItem(editPanel, IDCANCEL), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return Enabled(frame, kFrameMinimise); }, 5s));

  PostMessageW(frame, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(10s), 0u);
}

// The export box starts in the remembered folder with the profile's name;
// a typed name and OK write the profile file and its attachment there.
// The open-file dialog of import then brings them into profile 1, whose
// name becomes the exported one.
TEST_F(MainFormWindowTest, AnExportedProfileComesBackThroughImport) {
  RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Mirel", L"User Library Path", REG_SZ,
                  folder_.c_str(), static_cast<DWORD>((folder_.size() + 1) * sizeof(wchar_t)));
  CTestProcess program(PathFromEnvironment("MIREL_EXE_ZH_TW"));
  HWND form = StartOnSettingsPage(program);
  ASSERT_NE(form, nullptr);
  HWND frame = WaitForWindowWithControl(program.Id(), kFrameMinimise, 5s);

  Click(form, kExport);
  HWND panel = WaitForWindowWithControl(program.Id(), kProfileNameField, 20s);
  ASSERT_NE(panel, nullptr);
  HWND box = GetWindow(panel, GW_OWNER);
  HWND name = GetDlgItem(panel, kProfileNameField);
  EXPECT_EQ(EditText(name), L"一般");
  const std::wstring shownFolder =
      folder_.size() > 32 ? folder_.substr(0, 27) + L"..." : folder_;
  EXPECT_EQ(WindowTextOf(GetDlgItem(box, kBoxFolderText)), shownFolder);
  Sleep(kPaintSettle);
  EXPECT_TRUE(SaveWindowScreenshot(box, L"export-box.bmp"));
  SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"sniper"));
  PostMessageW(GetDlgItem(panel, IDOK), BM_CLICK, 0, 0);

  const std::wstring profileFile = folder_ + L"\\sniper.POF";
  const std::wstring attachment = folder_ + L"\\sniper.ATT";
  const auto exists = [](const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
  };
  EXPECT_TRUE(WaitUntil([&] { return exists(profileFile) && exists(attachment); }, 10s));
  EXPECT_TRUE(WaitUntil([&] { return Enabled(frame, kFrameMinimise); }, 10s));

  Click(form, kFirstTab + 1);
  EXPECT_TRUE(WaitUntil([&] { return Shown(form, kPencil); }, 5s));
  Click(form, kImport);
  HWND chooser = WaitForWindowWithControl(program.Id(), kOpenFileName, 10s);
  ASSERT_NE(chooser, nullptr);
  EXPECT_FALSE(Enabled(frame, kFrameMinimise));
  SendMessageW(GetDlgItem(chooser, kOpenFileName), WM_SETTEXT, 0,
               reinterpret_cast<LPARAM>(profileFile.c_str()));
  PostMessageW(GetDlgItem(chooser, IDOK), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitUntil([] { return StoredProfileName(1) == L"一般"; }, 20s));
  // The name arrives before the registers go to the mouse behind the
  // writing box; the program is left alone until that box is gone.
  WaitUntil([&] { return !Enabled(frame, kFrameMinimise); }, 2s);
  EXPECT_TRUE(WaitUntil([&] { return Enabled(frame, kFrameMinimise); }, 30s));

  PostMessageW(frame, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(10s), 0u);
  DeleteFileW(profileFile.c_str());
  DeleteFileW(attachment.c_str());
}

// With two mice plugged in the program asks which one to use; the chosen
// one is loaded.
TEST_F(MainFormWindowTest, WithTwoMiceTheChosenOneIsLoaded) {
  const std::wstring second = folder_ + L"\\second.state";
  SetEnvironmentVariableW(L"MIREL_VIRTUAL_MOUSE_SECOND", second.c_str());
  CTestProcess program(PathFromEnvironment("MIREL_EXE_ZH_TW"));
  SetEnvironmentVariableW(L"MIREL_VIRTUAL_MOUSE_SECOND", nullptr);
  HWND dialog = WaitForWindowWithControl(program.Id(), kDeviceCombo, 20s);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(WindowTextOf(dialog), L"Orvo Gaming Mouse: Mirel");
  HWND combo = GetDlgItem(dialog, kDeviceCombo);
  EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 2);
  Sleep(kPaintSettle);
  EXPECT_TRUE(SaveWindowScreenshot(dialog, L"device-selection.bmp"));
  SendMessageW(combo, CB_SETCURSEL, 1, 0);
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(kDeviceCombo, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo));
  PostMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);

  HWND form = WaitForWindowWithControl(program.Id(), kFirstTab, 30s);
  ASSERT_NE(form, nullptr);
  HWND frame = WaitForWindowWithControl(program.Id(), kFrameMinimise, 5s);
  PostMessageW(frame, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(10s), 0u);
  DeleteFileW(second.c_str());
}

// Profile 2, button group 1: its function becomes the left button; done
// asks whether to apply, and applying writes the choice and makes
// profile 2 the mouse's active profile before the program ends.
TEST_F(MainFormWindowTest, AChoiceOnAProfileTabReachesTheMouseThroughDone) {
  CTestProcess program(PathFromEnvironment("MIREL_EXE_ZH_TW"));
  HWND form = StartOnSettingsPage(program);
  ASSERT_NE(form, nullptr);
  HWND frame = WaitForWindowWithControl(program.Id(), kFrameMinimise, 5s);

  Click(form, kFirstTab + 2);
  EXPECT_TRUE(WaitUntil([&] { return Shown(form, kPencil); }, 5s));
  EXPECT_TRUE(Enabled(form, kFirstGroupTitle + 1));
  Sleep(kPaintSettle);
  EXPECT_TRUE(SaveWindowScreenshot(frame, L"settings-page-profile-2.bmp"));

  Click(form, kFirstGroupTitle + 1);
  HWND list = GetDlgItem(form, kFirstFunctionList + 1);
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(list) != FALSE; }, 5s));
  Sleep(kPaintSettle);
  EXPECT_TRUE(SaveWindowScreenshot(frame, L"settings-page-function-list.bmp"));
  Choose(form, 1, 0);
  EXPECT_TRUE(WaitUntil([&] { return Enabled(form, kApply); }, 5s));

  // The keyboard, macro and script functions show their own controls.
  Choose(form, 2, kKeyboardItem);
  Choose(form, 3, kMacroItem);
  Choose(form, 4, kFirstScriptItem);
  EXPECT_TRUE(WaitUntil([&] { return Shown(form, kFirstKeyField + 2); }, 5s));
  EXPECT_TRUE(WaitUntil([&] { return Shown(form, kFirstMacro + 3); }, 5s));
  EXPECT_TRUE(WaitUntil([&] { return Shown(form, kFirstScript + 4); }, 5s));
  Sleep(kPaintSettle);
  EXPECT_TRUE(SaveWindowScreenshot(frame, L"settings-page-group-modes.bmp"));

  Click(form, kDone);
  HWND panel = WaitForWindowWithControl(program.Id(), IDOK, 10s);
  ASSERT_NE(panel, nullptr) << "no question whether to apply";
  Sleep(kPaintSettle);
  EXPECT_TRUE(SaveWindowScreenshot(GetWindow(panel, GW_OWNER), L"apply-question.bmp"));
  PostMessageW(GetDlgItem(panel, IDOK), BM_CLICK, 0, 0);
  ASSERT_EQ(program.WaitForExit(20s), 0u);

  const std::optional<RegisterImage> mouse = MouseState();
  ASSERT_TRUE(mouse.has_value());
  EXPECT_EQ((*mouse)[FunctionCodeRegister(2, 1)], 1);
  EXPECT_EQ((*mouse)[ParameterRegister(2, 1, 0)], 0x01);
  EXPECT_EQ((*mouse)[kProfileRegister] & 3, 2);
  EXPECT_EQ((*mouse)[FunctionCodeRegister(2, 2)], 2);
  EXPECT_EQ((*mouse)[FunctionCodeRegister(2, 3)], 6);
  EXPECT_EQ((*mouse)[FunctionCodeRegister(2, 4)], 7);
}

}  // namespace
