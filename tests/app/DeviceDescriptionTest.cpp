#include <gtest/gtest.h>

#include "app/DeviceDescription.h"
#include "app/MemorySettingsStore.h"

namespace {

constexpr RegistryRoot kMachine = RegistryRoot::LocalMachine;

std::wstring Instance(const wchar_t* name) { return std::wstring(kMouseInterfaceKey) + L"\\" + name; }

class DeviceDescriptionTest : public ::testing::Test {
 protected:
  void AddInstance(const wchar_t* name, const std::optional<std::wstring>& description) {
    store.CreateKey(kMachine, Instance(name));
    if (description) store.WriteString(kMachine, Instance(name), L"DeviceDesc", *description);
  }
  std::wstring Description(const wchar_t* name) const {
    return store.PeekString(kMachine, Instance(name), L"DeviceDesc").value_or(L"<absent>");
  }

  CMemorySettingsStore store;
  CRegistryStore registry{store};
};

TEST_F(DeviceDescriptionTest, EveryReadableInstanceGetsTheProductName) {
  AddInstance(L"7&1", L"HID-compliant mouse");
  AddInstance(L"7&2", std::wstring(kMouseDescription));
  AddInstance(L"7&3", std::nullopt);
  AddInstance(L"7&4", L"HID-compliant mouse");
  store.DenyAccess(kMachine, Instance(L"7&4"));
  AddInstance(L"7&5", std::wstring(128, L'd'));  // does not fit 256 bytes: not read
  AddInstance(L"7&6", std::wstring(127, L'd'));
  PatchDeviceDescription(registry);
  EXPECT_EQ(Description(L"7&1"), kMouseDescription);
  EXPECT_EQ(Description(L"7&2"), kMouseDescription);
  EXPECT_EQ(Description(L"7&3"), L"<absent>");
  EXPECT_EQ(Description(L"7&4"), L"HID-compliant mouse");
  EXPECT_EQ(Description(L"7&5"), std::wstring(128, L'd'));
  EXPECT_EQ(Description(L"7&6"), kMouseDescription);
}

TEST_F(DeviceDescriptionTest, WithoutAdministratorRightsNothingHappens) {
  AddInstance(L"7&1", L"HID-compliant mouse");
  store.DenyAccess(kMachine, kMouseInterfaceKey);
  PatchDeviceDescription(registry);
  EXPECT_EQ(Description(L"7&1"), L"HID-compliant mouse");
  store = CMemorySettingsStore();
  PatchDeviceDescription(registry);  // no such key at all
  EXPECT_FALSE(store.HasKey(kMachine, kMouseInterfaceKey));
}

}  // namespace
