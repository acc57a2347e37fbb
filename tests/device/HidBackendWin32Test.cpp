#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cwctype>
#include <filesystem>
#include <string>

#include "device/HidBackendWin32.h"
#include "device/HidClient.h"

namespace {

const SUsbId kMouseIds[] = {{0x3E71, 0x0A24}, {0x5D93, 0x46B8}};
constexpr std::uint16_t kWineVendor = 0x845E;

std::wstring Lower(std::wstring text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
  return text;
}

std::wstring ModulePath(HMODULE module) {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(module, path, MAX_PATH);
  return Lower(path);
}

bool Lists(const CHidClient& client, std::uint16_t vid) {
  for (int i = 0; i < client.GetRecognizedDevices(); ++i) {
    if (client.GetDeviceVID(i) == vid) return true;
  }
  return false;
}

TEST(HidBackendWin32, LoadsTheSystemLibrariesNotOnesBesideTheProgram) {
  const std::filesystem::path planted =
      std::filesystem::path(ModulePath(nullptr)).parent_path() / L"hid.dll";
  ASSERT_TRUE(std::filesystem::exists(planted)) << "the planted hid.dll is missing";

  HidBackendWin32 backend;
  ASSERT_TRUE(backend.Available());
  wchar_t system[MAX_PATH] = {};
  GetSystemDirectoryW(system, MAX_PATH);
  const std::wstring systemDir = Lower(system) + L"\\";
  EXPECT_EQ(ModulePath(backend.Libraries().HidModule()).rfind(systemDir, 0), 0u);
  EXPECT_EQ(ModulePath(backend.Libraries().SetupModule()).rfind(systemDir, 0), 0u);
  EXPECT_EQ(GetProcAddress(backend.Libraries().HidModule(), "PlantedLibraryMarker"), nullptr);
}

// Wine shows its own HID mouse in the mouse class: the enumeration of every
// interface lists it, the program's table (its id table) does not.
TEST(HidBackendWin32, RealEnumerationSeesWinesMouseOnlyWhenAskedForAll) {
  HidBackendWin32 backend;
  CHidClient client{backend};
  ASSERT_EQ(client.CreateDeviceTable(0, 0, false), 1);
  EXPECT_TRUE(Lists(client, kWineVendor));
  EXPECT_EQ(client.InterfaceClass(), HidClass::Hid);

  ASSERT_EQ(client.CreateDeviceTable(0, 0, true), 1);
  EXPECT_TRUE(Lists(client, kWineVendor));
  EXPECT_EQ(client.InterfaceClass(), HidClass::Mouse);

  EXPECT_EQ(client.CreateDeviceTable(kMouseIds, 2, 0x0704, 0x0711), 0);
  EXPECT_EQ(client.GetRecognizedDevices(), 0);
}

TEST(HidBackendWin32, ReadsAttributesAndStringsOfWinesMouse) {
  HidBackendWin32 backend;
  CHidClient client{backend};
  ASSERT_EQ(client.CreateDeviceTable(kWineVendor, 0x0001, true), 1);
  EXPECT_EQ(std::u16string(client.GetDeviceID(0)), u"VID=845E, PID=0001");
  EXPECT_NE(std::u16string(client.GetDevice(0)).find(u"vid_845e"), std::u16string::npos);
  EXPECT_EQ(std::u16string(client.GetDeviceName(0)), u"Wine HID mouse");
}

TEST(HidBackendWin32, RefusesPathsItCannotOpenWhole) {
  HidBackendWin32 backend;
  EXPECT_EQ(backend.Open(u"\\\\?\\hid#no-such-device", HidAccess::QueryOnly), kInvalidHidHandle);
  const std::u16string withTerminator(u"\\\\?\\hid\0tail", 12);
  EXPECT_EQ(backend.Open(withTerminator, HidAccess::QueryOnly), kInvalidHidHandle);
  EXPECT_EQ(backend.Open(u"", HidAccess::QueryOnly), kInvalidHidHandle);
  EXPECT_FALSE(backend.Close(kInvalidHidHandle));
}

TEST(HidBackendWin32, RegistersAWindowForNotifications) {
  HWND window = CreateWindowExW(0, L"STATIC", L"notify", 0, 0, 0, 0, 0, nullptr, nullptr,
                                nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  HidBackendWin32 backend;
  CHidClient client{backend};
  EXPECT_EQ(client.RegisterNotify(reinterpret_cast<HidWindow>(window)), 1);
  EXPECT_EQ(client.ReRegisterNotify(reinterpret_cast<HidWindow>(window)), 1);
  EXPECT_EQ(client.UnRegisterNotify(), 1);
  EXPECT_EQ(client.UnRegisterNotify(), 0);
  DestroyWindow(window);
}

}  // namespace
