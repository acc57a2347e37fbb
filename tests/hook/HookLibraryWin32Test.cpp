// MirelHook.dll as built: its export table, its shared data section, and
// the direction flag one process's low-level hook sets and another's mouse
// hook follows. The second process is this program again, started with
// "--tilt=<delta>".
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "hook/WheelRepeatCount.h"
#include "tests/support/WindowsTestSupportWin32.h"

namespace {

using namespace std::chrono_literals;

const std::set<std::string> kExportNames = {"_MouseProc@12", "_LLMouseProc@12", "LinkNextHook",
                                            "LinkNextLLHook", "UnLinkHook"};

class LoadedLibrary {
 public:
  explicit LoadedLibrary(const std::wstring& path) : module_(LoadLibraryW(path.c_str())) {}
  ~LoadedLibrary() {
    if (module_ != nullptr) FreeLibrary(module_);
  }
  LoadedLibrary(const LoadedLibrary&) = delete;
  LoadedLibrary& operator=(const LoadedLibrary&) = delete;
  HMODULE Module() const { return module_; }
  template <typename Function>
  Function Export(const char* name) const {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
  }

 private:
  HMODULE module_;
};

std::wstring HookLibraryPath() { return PathFromEnvironment("MIREL_HOOK_DLL"); }

const IMAGE_NT_HEADERS* NtHeaders(HMODULE module) {
  const auto* base = reinterpret_cast<const BYTE*>(module);
  return reinterpret_cast<const IMAGE_NT_HEADERS*>(
      base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
}

std::vector<std::string> ExportedNames(HMODULE module) {
  const auto* base = reinterpret_cast<const BYTE*>(module);
  const IMAGE_DATA_DIRECTORY& directory =
      NtHeaders(module)->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  const auto* exports =
      reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + directory.VirtualAddress);
  const auto* names = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
  std::vector<std::string> result;
  for (DWORD i = 0; i < exports->NumberOfNames; ++i)
    result.emplace_back(reinterpret_cast<const char*>(base + names[i]));
  return result;
}

const IMAGE_SECTION_HEADER* SharedSection(HMODULE module) {
  const IMAGE_NT_HEADERS* nt = NtHeaders(module);
  const IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(nt);
  for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i) {
    if ((section[i].Characteristics & IMAGE_SCN_MEM_SHARED) != 0) return &section[i];
  }
  return nullptr;
}

std::uint32_t DirectionFlag(HMODULE module) {
  const auto* base = reinterpret_cast<const BYTE*>(module);
  return *reinterpret_cast<const volatile std::uint32_t*>(
      base + SharedSection(module)->VirtualAddress + 4);
}

bool IsClassExport(const std::string& name) {
  return name.rfind("_ZN5CHook", 0) == 0 || name.rfind("_ZNK5CHook", 0) == 0;
}

TEST(HookLibrary, ExportsTheFiveProceduresByTheirExactNames) {
  LoadedLibrary library(HookLibraryPath());
  ASSERT_NE(library.Module(), nullptr);
  for (const std::string& name : kExportNames)
    EXPECT_NE(library.Export<void*>(name.c_str()), nullptr) << name;
  std::set<std::string> plain;
  for (const std::string& name : ExportedNames(library.Module()))
    if (!IsClassExport(name)) plain.insert(name);
  EXPECT_EQ(plain, kExportNames);
}

TEST(HookLibrary, EveryEditionFolderHoldsTheLibrary) {
  const std::wstring bin = PathFromEnvironment("MIREL_BIN_DIR");
  const char* list = std::getenv("MIREL_EDITION_LIST");
  ASSERT_NE(list, nullptr);
  std::istringstream editions(list);
  std::string edition;
  while (std::getline(editions, edition, ',')) {
    LoadedLibrary library(bin + L"\\" + std::wstring(edition.begin(), edition.end()) +
                          L"\\MirelHook.dll");
    EXPECT_NE(library.Export<void*>("_LLMouseProc@12"), nullptr) << edition;
  }
}

TEST(HookLibrary, SharedSectionIsEightBytes) {
  LoadedLibrary library(HookLibraryPath());
  ASSERT_NE(library.Module(), nullptr);
  const IMAGE_SECTION_HEADER* section = SharedSection(library.Module());
  ASSERT_NE(section, nullptr);
  EXPECT_EQ(section->Misc.VirtualSize, 8u);
}

// The low-level hook as the system calls it, with a tilt of `delta`.
int TiltThroughLowLevelHook(int delta) {
  LoadedLibrary library(HookLibraryPath());
  const auto procedure = library.Export<HOOKPROC>("_LLMouseProc@12");
  if (procedure == nullptr) return 2;
  MSLLHOOKSTRUCT event{};
  event.mouseData = static_cast<DWORD>(static_cast<WORD>(static_cast<short>(delta))) << 16;
  procedure(HC_ACTION, WM_MOUSEHWHEEL, reinterpret_cast<LPARAM>(&event));
  return 0;
}

DWORD RunTiltProcess(int delta) {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  CTestProcess child(self, L"--tilt=" + std::to_wstring(delta));
  return child.WaitForExit(20s);
}

struct ScrollMessages {
  int count = 0;
  std::set<WPARAM> wParams;
  std::set<LPARAM> lParams;
};

ScrollMessages TakeScrollMessages(HWND window) {
  ScrollMessages taken;
  MSG message;
  while (PeekMessageW(&message, window, WM_HSCROLL, WM_HSCROLL, PM_REMOVE)) {
    ++taken.count;
    taken.wParams.insert(message.wParam);
    taken.lParams.insert(message.lParam);
  }
  return taken;
}

TEST(HookLibrary, MouseHookScrollsWhereAnotherProcessSawTheTiltGo) {
  LoadedLibrary library(HookLibraryPath());
  ASSERT_NE(library.Module(), nullptr);
  const auto mouseProc = library.Export<HOOKPROC>("_MouseProc@12");
  HWND pane = CreateWindowExW(0, L"STATIC", L"pane", WS_OVERLAPPED, 0, 0, 100, 100, nullptr,
                              nullptr, nullptr, nullptr);
  ASSERT_NE(pane, nullptr);
  UINT lines = 0;
  SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);

  const struct {
    int delta;
    std::uint32_t flag;
    WPARAM scroll;
  } cases[] = {{-120, 1, SB_LINELEFT}, {120, 0, SB_LINERIGHT}, {-240, 1, SB_LINELEFT}};
  for (const auto& c : cases) {
    ASSERT_EQ(RunTiltProcess(c.delta), 0u) << c.delta;
    EXPECT_EQ(DirectionFlag(library.Module()), c.flag) << c.delta;
    MOUSEHOOKSTRUCTEX event{};
    event.hwnd = pane;
    EXPECT_EQ(mouseProc(HC_ACTION, WM_MOUSEHWHEEL, reinterpret_cast<LPARAM>(&event)), 1);
    const ScrollMessages taken = TakeScrollMessages(pane);
    EXPECT_EQ(taken.count, WheelRepeatCount(lines)) << c.delta;
    EXPECT_EQ(taken.wParams, std::set<WPARAM>{c.scroll}) << c.delta;
    EXPECT_EQ(taken.lParams, std::set<LPARAM>{0}) << c.delta;
  }
  DestroyWindow(pane);
}

// The program's "Process Handle" value, put back as it was on destruction.
class ProcessHandleValue {
 public:
  ProcessHandleValue() {
    size_ = sizeof(saved_);
    existed_ = RegGetValueW(HKEY_CURRENT_USER, kKey, kValue, RRF_RT_ANY, &type_, saved_,
                            &size_) == ERROR_SUCCESS;
  }
  ~ProcessHandleValue() {
    if (existed_)
      RegSetKeyValueW(HKEY_CURRENT_USER, kKey, kValue, type_, saved_, size_);
    else
      RegDeleteKeyValueW(HKEY_CURRENT_USER, kKey, kValue);
  }
  ProcessHandleValue(const ProcessHandleValue&) = delete;
  ProcessHandleValue& operator=(const ProcessHandleValue&) = delete;

  void Set(DWORD type, const void* data, DWORD size) {
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kKey, kValue, type, data, size), ERROR_SUCCESS);
  }

 private:
  static constexpr const wchar_t* kKey = L"Software\\Mirel";
  static constexpr const wchar_t* kValue = L"Process Handle";
  bool existed_ = false;
  DWORD type_ = 0;
  BYTE saved_[256];
  DWORD size_ = 0;
};

std::vector<std::string> TakeMessages(HWND window) {
  std::vector<std::string> taken;
  MSG message;
  // Only posted messages in this range: a visible window's WM_PAINT would
  // come back on every peek.
  while (PeekMessageW(&message, window, WM_LBUTTONDOWN, 0x0577, PM_REMOVE)) {
    if (message.message != WM_LBUTTONDOWN && message.message != WM_LBUTTONUP &&
        message.message != 0x0577)
      continue;
    std::ostringstream line;
    line << std::hex << message.message << " " << message.wParam << " " << message.lParam;
    taken.push_back(line.str());
  }
  return taken;
}

// A browser pane under the pointer: the low-level hook swallows the tilt,
// clicks the pane and asks the window the registry names to scroll.
TEST(HookLibrary, TiltOverBrowserPaneIsHandedToTheRecordedWindow) {
  LoadedLibrary library(HookLibraryPath());
  ASSERT_NE(library.Module(), nullptr);
  const auto lowLevelProc = library.Export<HOOKPROC>("_LLMouseProc@12");
  WNDCLASSW paneClass{};
  paneClass.lpfnWndProc = DefWindowProcW;
  paneClass.hInstance = GetModuleHandleW(nullptr);
  paneClass.lpszClassName = L"Internet Explorer_Server";
  RegisterClassW(&paneClass);
  HWND pane = CreateWindowExW(WS_EX_TOPMOST, paneClass.lpszClassName, L"pane",
                              WS_POPUP | WS_VISIBLE, 300, 300, 200, 200, nullptr, nullptr,
                              paneClass.hInstance, nullptr);
  HWND program = CreateWindowExW(0, L"STATIC", L"program", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                 nullptr, nullptr, nullptr);
  ASSERT_NE(pane, nullptr);
  ASSERT_NE(program, nullptr);
  SetCursorPos(400, 400);
  ASSERT_EQ(WindowFromPoint(POINT{400, 400}), pane);

  ProcessHandleValue value;
  const DWORD handle = static_cast<DWORD>(reinterpret_cast<std::uintptr_t>(program));
  const struct {
    const char* name;
    DWORD type;
    const void* data;
    DWORD size;
    int delta;
    std::vector<std::string> request;
  } cases[] = {
      {"left", REG_DWORD, &handle, sizeof(handle), -120, {"577 1 0"}},
      {"right", REG_DWORD, &handle, sizeof(handle), 120, {"577 2 0"}},
      {"not a number", REG_SZ, L"12", 6, -120, {}},
  };
  for (const auto& c : cases) {
    value.Set(c.type, c.data, c.size);
    MSLLHOOKSTRUCT event{};
    event.mouseData = static_cast<DWORD>(static_cast<WORD>(static_cast<short>(c.delta))) << 16;
    EXPECT_EQ(lowLevelProc(HC_ACTION, WM_MOUSEHWHEEL, reinterpret_cast<LPARAM>(&event)), 1)
        << c.name;
    EXPECT_EQ(TakeMessages(pane), (std::vector<std::string>{"201 0 fffbfffb", "202 0 fffbfffb"}))
        << c.name;
    EXPECT_EQ(TakeMessages(program), c.request) << c.name;
  }
  DestroyWindow(program);
  DestroyWindow(pane);
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "--tilt=", 7) == 0) return TiltThroughLowLevelHook(std::atoi(argv[i] + 7));
  }
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
