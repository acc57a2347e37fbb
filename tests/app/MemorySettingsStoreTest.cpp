#include "app/MemorySettingsStore.h"
#include "tests/app/SettingsStoreContract.h"

namespace {

const StoreUnderTest kMemory{
    "Memory", [] { return std::make_unique<CMemorySettingsStore>(); }, L"Software\\MirelTest", {}};

INSTANTIATE_TEST_SUITE_P(Memory, SettingsStoreContract, ::testing::Values(kMemory), StoreName);
INSTANTIATE_TEST_SUITE_P(Memory, RegistryStoreOverStore, ::testing::Values(kMemory), StoreName);

TEST(MemorySettingsStore, ADeniedKeyAndEverythingBelowRefuseToOpen) {
  CMemorySettingsStore store;
  const auto machine = RegistryRoot::LocalMachine;
  ASSERT_EQ(store.CreateKey(machine, L"System\\Enum\\x"), kStoreOk);
  store.DenyAccess(machine, L"System\\Enum");
  EXPECT_EQ(store.OpenKey(machine, L"system\\enum"), kStoreAccessDenied);
  EXPECT_EQ(store.OpenKey(machine, L"System\\Enum\\x"), kStoreAccessDenied);
  EXPECT_EQ(store.CreateKey(machine, L"System\\Enum\\y"), kStoreAccessDenied);
  EXPECT_EQ(store.WriteString(machine, L"System\\Enum\\x", L"v", L"t"), kStoreAccessDenied);
  EXPECT_EQ(store.OpenKey(machine, L"System"), kStoreOk);
  EXPECT_EQ(store.CreateKey(machine, L"System\\Enumerated"), kStoreOk);
}

TEST(MemorySettingsStore, RootsAreSeparate) {
  CMemorySettingsStore store;
  ASSERT_EQ(store.CreateKey(RegistryRoot::ClassesRoot, L".POF"), kStoreOk);
  EXPECT_EQ(store.OpenKey(RegistryRoot::CurrentUser, L".POF"), kStoreNotFound);
}

}  // namespace
