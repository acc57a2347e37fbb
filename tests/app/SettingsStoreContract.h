// The behaviour every settings store shares, run against each store: the
// in-memory one natively, the registry under Wine.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "app/RegistryStore.h"
#include "app/SettingsStore.h"

struct StoreUnderTest {
  const char* name;
  std::function<std::unique_ptr<CSettingsStore>()> make;
  // A key below HKEY_CURRENT_USER that the tests may fill; removed after
  // each test by `cleanUp`.
  std::wstring baseKey;
  std::function<void()> cleanUp;
};

class SettingsStoreContract : public ::testing::TestWithParam<StoreUnderTest> {
 protected:
  void SetUp() override { store = GetParam().make(); }
  void TearDown() override {
    if (GetParam().cleanUp) GetParam().cleanUp();
  }

  std::wstring Key(const std::wstring& sub = L"") const {
    return sub.empty() ? GetParam().baseKey : GetParam().baseKey + L"\\" + sub;
  }

  std::unique_ptr<CSettingsStore> store;
};

// The registry object's results over each store.
class RegistryStoreOverStore : public SettingsStoreContract {
 protected:
  CRegistryStore Registry() { return CRegistryStore(*store, Key(L"Mirel")); }
};

inline std::string StoreName(const ::testing::TestParamInfo<StoreUnderTest>& info) {
  return info.param.name;
}
