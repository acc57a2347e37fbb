#include "tests/app/SettingsStoreContract.h"


namespace {

constexpr RegistryRoot kUser = RegistryRoot::CurrentUser;

TEST_P(SettingsStoreContract, KeysAreCreatedWithTheirParents) {
  EXPECT_EQ(store->OpenKey(kUser, Key(L"a\\b")), kStoreNotFound);
  ASSERT_EQ(store->CreateKey(kUser, Key(L"a\\b")), kStoreOk);
  EXPECT_EQ(store->OpenKey(kUser, Key(L"a")), kStoreOk);
  EXPECT_EQ(store->OpenKey(kUser, Key(L"A\\B")), kStoreOk);
  EXPECT_EQ(store->CreateKey(kUser, Key(L"a\\b")), kStoreOk);  // existing is fine
}

TEST_P(SettingsStoreContract, ValuesReadBackAsWritten) {
  ASSERT_EQ(store->CreateKey(kUser, Key()), kStoreOk);
  const std::wstring texts[] = {L"", L"plain", L"設定檔 1 ő ű", L"pair \U0001F600 end"};
  for (const std::wstring& text : texts) {
    ASSERT_EQ(store->WriteString(kUser, Key(), L"Text", text), kStoreOk);
    std::wstring read = L"untouched";
    ASSERT_EQ(store->ReadString(kUser, Key(), L"text", read), kStoreOk);
    EXPECT_EQ(read, text);
  }
  for (std::uint32_t value : {0u, 3u, 0xFFFFFFFFu}) {
    ASSERT_EQ(store->WriteDword(kUser, Key(), L"Number", value), kStoreOk);
    std::uint32_t read = 7;
    ASSERT_EQ(store->ReadDword(kUser, Key(), L"NUMBER", read), kStoreOk);
    EXPECT_EQ(read, value);
  }
  ASSERT_EQ(store->WriteString(kUser, Key(), L"", L"default"), kStoreOk);
  std::wstring read;
  EXPECT_EQ(store->ReadString(kUser, Key(), L"", read), kStoreOk);
  EXPECT_EQ(read, L"default");
}

TEST_P(SettingsStoreContract, AValueOfAnotherTypeIsUnreadable) {
  ASSERT_EQ(store->CreateKey(kUser, Key()), kStoreOk);
  ASSERT_EQ(store->WriteString(kUser, Key(), L"S", L"12"), kStoreOk);
  ASSERT_EQ(store->WriteDword(kUser, Key(), L"D", 12), kStoreOk);
  std::uint32_t number = 5;
  std::wstring text = L"untouched";
  EXPECT_EQ(store->ReadDword(kUser, Key(), L"S", number), kStoreBadData);
  EXPECT_EQ(store->ReadString(kUser, Key(), L"D", text), kStoreBadData);
  EXPECT_EQ(number, 5u);
  EXPECT_EQ(text, L"untouched");
}

TEST_P(SettingsStoreContract, MissingKeysAndValues) {
  std::uint32_t number = 0;
  std::wstring text;
  EXPECT_EQ(store->ReadDword(kUser, Key(), L"D", number), kStoreNotFound);
  EXPECT_EQ(store->WriteDword(kUser, Key(), L"D", 1), kStoreNotFound);
  EXPECT_EQ(store->WriteString(kUser, Key(), L"S", L"x"), kStoreNotFound);
  EXPECT_EQ(store->OpenKey(kUser, Key()), kStoreNotFound);  // writes create no key
  ASSERT_EQ(store->CreateKey(kUser, Key()), kStoreOk);
  EXPECT_EQ(store->ReadString(kUser, Key(), L"S", text), kStoreNotFound);
  EXPECT_EQ(store->DeleteValue(kUser, Key(), L"S"), kStoreNotFound);
  ASSERT_EQ(store->WriteString(kUser, Key(), L"S", L"x"), kStoreOk);
  EXPECT_EQ(store->DeleteValue(kUser, Key(), L"s"), kStoreOk);
  EXPECT_EQ(store->ReadString(kUser, Key(), L"S", text), kStoreNotFound);
}

TEST_P(SettingsStoreContract, SubkeysAreEnumeratedOnceEach) {
  ASSERT_EQ(store->CreateKey(kUser, Key(L"Enum\\First")), kStoreOk);
  ASSERT_EQ(store->CreateKey(kUser, Key(L"Enum\\second\\deeper")), kStoreOk);
  std::vector<std::wstring> names;
  std::wstring name;
  std::uint32_t index = 0;
  long status = kStoreOk;
  while ((status = store->EnumSubkey(kUser, Key(L"Enum"), index, name)) == kStoreOk) {
    names.push_back(name);
    ++index;
  }
  EXPECT_EQ(status, kStoreNoMoreItems);
  EXPECT_EQ(names, (std::vector<std::wstring>{L"First", L"second"}));
  EXPECT_EQ(store->EnumSubkey(kUser, Key(L"Missing"), 0, name), kStoreNotFound);
}

TEST_P(RegistryStoreOverStore, FirstReadCreatesTheProgramKeyWithZero) {
  CRegistryStore registry = Registry();
  EXPECT_EQ(registry.GetDword(L"AP Startup Profile"), 0);
  EXPECT_EQ(store->OpenKey(kUser, Key(L"Mirel")), kStoreOk);
  std::uint32_t stored = 9;
  EXPECT_EQ(store->ReadDword(kUser, Key(L"Mirel"), L"AP Startup Profile", stored), kStoreOk);
  EXPECT_EQ(stored, 0u);
  EXPECT_EQ(registry.GetDword(L"With Timing"), -1);  // key exists now, value does not
  EXPECT_EQ(registry.LastError(), kStoreNotFound);
}

TEST_P(RegistryStoreOverStore, DwordsAndUnreadableValues) {
  CRegistryStore registry = Registry();
  EXPECT_EQ(registry.SetDword(L"Process Handle", 0x10A2C), 1);
  EXPECT_EQ(registry.GetDword(L"Process Handle"), 0x10A2C);
  ASSERT_EQ(registry.SetString(L"Broken", L"1"), 1);
  EXPECT_EQ(registry.GetDword(L"Broken"), -1);
  EXPECT_EQ(registry.LastError(), kStoreBadData);
}

TEST_P(RegistryStoreOverStore, StringsFitTheirBuffer) {
  CRegistryStore registry = Registry();
  std::wstring buffer = L"untouched";
  EXPECT_EQ(registry.GetString(L"Profile #1", buffer, 32), 0);
  EXPECT_EQ(buffer, L"untouched");
  ASSERT_EQ(registry.SetString(L"Profile #1", std::wstring(40, L'n')), 1);
  EXPECT_EQ(registry.GetString(L"Profile #1", buffer, 32), 1);
  EXPECT_EQ(buffer, std::wstring(31, L'n'));
  // A character that needs two units is dropped whole, never halved.
  const std::wstring pair = L"\U0001F600";
  ASSERT_EQ(registry.SetString(L"Profile #2", std::wstring(30, L'a') + pair + L"b"), 1);
  EXPECT_EQ(registry.GetString(L"Profile #2", buffer, 32), 1);
  const std::wstring expected =
      pair.size() == 2 ? std::wstring(30, L'a') : std::wstring(30, L'a') + pair;
  EXPECT_EQ(buffer, expected);
}

TEST_P(RegistryStoreOverStore, SetStringCreatesItsSubkey) {
  CRegistryStore registry = Registry();
  EXPECT_EQ(registry.SetString(kUser, Key(L"Classes\\.POF"), L"", L"Mirel_Files"), 1);
  std::wstring read;
  EXPECT_EQ(registry.GetString(kUser, Key(L"Classes\\.POF"), L"", read, 64), 1);
  EXPECT_EQ(read, L"Mirel_Files");
  EXPECT_EQ(registry.DeleteValue(L"Missing"), 0);
  EXPECT_EQ(registry.CreateKey(kUser, Key(L"Mirel\\Sub")), 1);
}

}  // namespace
