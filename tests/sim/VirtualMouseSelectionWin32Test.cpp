#include <gtest/gtest.h>

#include <windows.h>
#include <dbt.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "device/HidBackendWin32.h"
#include "device/HidClient.h"
#include "device/IcGM06Vx.h"
#include "platform/SystemClock.h"
#include "sim/HidBackendChoiceWin32.h"
#include "sim/VirtualHidBackend.h"

namespace {

const SUsbId kMouseIds[] = {{0x3E71, 0x0A24}, {0x5D93, 0x46B8}};

// Sets (or with a null value clears) one environment variable for the
// lifetime of the object, and puts back what was there before.
class ScopedVariable {
 public:
  ScopedVariable(const wchar_t* name, const wchar_t* value) : name_(name) {
    wchar_t previous[1024];
    const DWORD length = GetEnvironmentVariableW(name_, previous, 1024);
    if (length > 0 && length < 1024) previous_ = previous;
    SetEnvironmentVariableW(name_, value);
  }
  ScopedVariable(const wchar_t* name, const std::wstring& value)
      : ScopedVariable(name, value.c_str()) {}
  ~ScopedVariable() { SetEnvironmentVariableW(name_, previous_ ? previous_->c_str() : nullptr); }

 private:
  const wchar_t* name_;
  std::optional<std::wstring> previous_;
};

class VirtualMouseSelection : public ::testing::Test {
 protected:
  SystemClock clock;
  std::filesystem::path dir = std::filesystem::temp_directory_path() / L"mirel-selection-test";

  void SetUp() override {
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
  }
  void TearDown() override { std::filesystem::remove_all(dir); }

  std::unique_ptr<HidPort> Choose() {
    std::string problems;
    auto backend = ChooseHidBackend(clock, problems);
    EXPECT_EQ(problems, "");
    return backend;
  }
};

// CTest starts this program with MIREL_VIRTUAL_MOUSE set, as a user would
// start the program: the device layer finds the virtual mouse through it.
TEST_F(VirtualMouseSelection, FindsTheMouseNamedByTheEnvironment) {
  ASSERT_GT(GetEnvironmentVariableW(L"MIREL_VIRTUAL_MOUSE", nullptr, 0), 0u);
  auto backend = Choose();
  CHidClient client{*backend};
  ASSERT_EQ(client.CreateDeviceTable(kMouseIds, 2, 0x0704, 0x0711), 1);
  EXPECT_EQ(client.GetRecognizedDevices(), 1);
  EXPECT_EQ(std::u16string(client.GetDeviceName(0)), u"Orvo Mirel Gaming Mouse");

  CIcGM06Vx ic{*backend, clock};
  ic.Reset();
  ASSERT_EQ(ic.SelectControllerType(client.GetDeviceVer(0)), 1);
  EXPECT_EQ(ic.OpenDevice(client.GetDevice(0)), 1);
}

TEST_F(VirtualMouseSelection, WithoutTheVariableTheSystemServicesAreUsed) {
  ScopedVariable none(L"MIREL_VIRTUAL_MOUSE", nullptr);
  auto backend = Choose();
  EXPECT_NE(dynamic_cast<HidBackendWin32*>(backend.get()), nullptr);
}

TEST_F(VirtualMouseSelection, MiceKeepTheirRegistersAcrossRuns) {
  ScopedVariable first(L"MIREL_VIRTUAL_MOUSE", (dir / L"first.state").wstring());
  ScopedVariable second(L"MIREL_VIRTUAL_MOUSE_SECOND", (dir / L"second.state").wstring());
  ScopedVariable version(L"MIREL_VIRTUAL_MOUSE_VERSION", L"0710");
  {
    auto backend = Choose();
    CHidClient client{*backend};
    ASSERT_EQ(client.CreateDeviceTable(kMouseIds, 2, 0x0704, 0x0711), 1);
    ASSERT_EQ(client.GetRecognizedDevices(), 2);
    EXPECT_EQ(client.GetDeviceVID(1), 0x5D93);
    CIcGM06Vx ic{*backend, clock};
    ic.Reset();
    ASSERT_EQ(ic.SelectControllerType(0x0710), 1);
    ASSERT_EQ(ic.OpenDevice(client.GetDevice(1)), 1);
    ASSERT_EQ(ic.WriteRegister(0xA6, 0x12), 1);
  }
  auto backend = Choose();
  CHidClient client{*backend};
  ASSERT_EQ(client.CreateDeviceTable(kMouseIds, 2, 0x0704, 0x0711), 1);
  CIcGM06Vx ic{*backend, clock};
  ASSERT_EQ(ic.SelectControllerType(0x0710), 1);
  ASSERT_EQ(ic.OpenDevice(client.GetDevice(1)), 1);
  int value = 0;
  ASSERT_EQ(ic.ReadRegister(0xA6, value), 1);
  EXPECT_EQ(value, 0x12);
  ASSERT_EQ(ic.OpenDevice(client.GetDevice(0)), 1);
  ASSERT_EQ(ic.ReadRegister(0xA6, value), 1);
  EXPECT_EQ(value, 0x00);
}

std::vector<std::pair<WPARAM, std::wstring>> g_heard;

LRESULT CALLBACK Listen(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DEVICECHANGE) {
    const auto* record = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_W*>(lParam);
    EXPECT_EQ(record->dbcc_devicetype, DWORD{DBT_DEVTYP_DEVICEINTERFACE});
    g_heard.emplace_back(wParam, record->dbcc_name);
    return TRUE;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

TEST_F(VirtualMouseSelection, PluggingNotifiesRegisteredWindows) {
  ScopedVariable first(L"MIREL_VIRTUAL_MOUSE", (dir / L"first.state").wstring());
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = Listen;
  windowClass.lpszClassName = L"Mirel-Test-DeviceChange";
  windowClass.hInstance = GetModuleHandleW(nullptr);
  RegisterClassW(&windowClass);
  HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, nullptr,
                                nullptr, windowClass.hInstance, nullptr);
  ASSERT_NE(window, nullptr);

  auto backend = Choose();
  auto* mice = dynamic_cast<VirtualHidBackend*>(backend.get());
  ASSERT_NE(mice, nullptr);
  CHidClient client{*backend};
  ASSERT_EQ(client.CreateDeviceTable(kMouseIds, 2, 0x0704, 0x0711), 1);
  ASSERT_EQ(client.RegisterNotify(reinterpret_cast<HidWindow>(window)), 1);
  const std::u16string path = client.GetDevice(0);
  VirtualMirel* mouse = mice->ControllerOf(path);
  ASSERT_NE(mouse, nullptr);

  g_heard.clear();
  mice->SetPlugged(*mouse, false);
  mice->SetPlugged(*mouse, true);
  ASSERT_EQ(g_heard.size(), 4u);  // both collections, out and in
  EXPECT_EQ(g_heard[0].first, WPARAM{DBT_DEVICEREMOVECOMPLETE});
  EXPECT_EQ(g_heard[0].second, std::wstring(path.begin(), path.end()));
  EXPECT_EQ(g_heard[3].first, WPARAM{DBT_DEVICEARRIVAL});
  DestroyWindow(window);
}

}  // namespace
