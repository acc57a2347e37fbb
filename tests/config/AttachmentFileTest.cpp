#include <gtest/gtest.h>

#include "config/AttachmentFile.h"

namespace {

TEST(AttachmentFile, NameAndPictureTravel) {
  auto file = WriteAttachmentBytes(L"設定檔 1", L"dragon.png");
  ASSERT_TRUE(file);
  EXPECT_EQ((std::vector<std::uint8_t>(file->begin(), file->begin() + 4)),
            (std::vector<std::uint8_t>{0x2B, 0x0E, 6, 11}));
  auto contents = ReadAttachmentBytes(*file);
  ASSERT_TRUE(contents);
  EXPECT_EQ(contents->name, L"設定檔 1");
  EXPECT_EQ(contents->picture, L"dragon.png");
}

TEST(AttachmentFile, NoPictureIsOneTerminator) {
  auto file = WriteAttachmentBytes(L"x", L"");
  EXPECT_EQ((*file)[3], 1);
  EXPECT_EQ(ReadAttachmentBytes(*file)->picture, std::nullopt);
}

TEST(AttachmentFile, PictureNamesAReaderCannotHoldAreRefusedOnWrite) {
  EXPECT_FALSE(WriteAttachmentBytes(L"x", std::wstring(128, L'a')));
  EXPECT_TRUE(WriteAttachmentBytes(L"x", std::wstring(127, L'a')));
}

std::vector<std::uint8_t> Attachment(std::uint8_t n1, std::uint8_t n2, const std::wstring& name,
                                     const std::wstring& picture) {
  std::vector<std::uint8_t> file{0x2B, 0x0E, n1, n2};
  for (const std::wstring* text : {&name, &picture})
    for (wchar_t c : *text) {
      file.push_back(static_cast<std::uint8_t>(c & 0xFF));
      file.push_back(static_cast<std::uint8_t>(c >> 8));
    }
  return file;
}

TEST(AttachmentFile, ReaderCases) {
  struct Case {
    const char* what;
    std::vector<std::uint8_t> file;
    bool accepted;
    std::optional<std::wstring> name, picture;
  };
  const std::wstring longName(100, L'n');
  const Case cases[] = {
      {"no name", Attachment(0, 4, L"", std::wstring(L"a.b\0", 4)), true, std::nullopt, L"a.b"},
      {"empty name", Attachment(1, 0, std::wstring(1, L'\0'), L""), true, L"", std::nullopt},
      {"long name cut", Attachment(101, 0, longName + L'\0', L""), true,
       std::wstring(63, L'n'), std::nullopt},
      {"parent folder", Attachment(2, 9, std::wstring(L"a\0", 2), std::wstring(L"..\\x.png\0", 9)),
       true, L"a", std::nullopt},
      {"drive", Attachment(2, 9, std::wstring(L"a\0", 2), std::wstring(L"C:x.png\0\0", 9)), true,
       L"a", std::nullopt},
      {"dot dot", Attachment(2, 3, std::wstring(L"a\0", 2), std::wstring(L"..\0", 3)), true, L"a",
       std::nullopt},
      {"cut short", Attachment(5, 0, L"ab", L""), false, std::nullopt, std::nullopt},
      {"wrong magic", {0x2B, 0x0F, 0, 0}, false, std::nullopt, std::nullopt},
      {"no header", {0x2B, 0x0E, 0}, false, std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    auto contents = ReadAttachmentBytes(c.file);
    ASSERT_EQ(contents.has_value(), c.accepted) << c.what;
    if (!contents) continue;
    EXPECT_EQ(contents->name, c.name) << c.what;
    EXPECT_EQ(contents->picture, c.picture) << c.what;
  }
}

}  // namespace
