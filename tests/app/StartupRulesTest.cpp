#include <gtest/gtest.h>

#include "app/CommandLine.h"
#include "app/Messages.h"
#include "tests/support/TestEdition.h"

namespace {

TEST(CommandLine, FileIsFirstArgumentThatIsNotAFlag) {
  struct Case {
    std::vector<std::wstring> args;
    std::optional<std::wstring> file;
  };
  const Case cases[] = {
      {{}, std::nullopt},
      {{L"/dde"}, std::nullopt},
      {{L"-x", L""}, std::nullopt},
      {{L"C:\\p\\a.POF"}, L"C:\\p\\a.POF"},
      {{L"/dde", L"a b.pof", L"c.pof"}, L"a b.pof"},
  };
  for (const Case& c : cases) EXPECT_EQ(FileArgument(c.args), c.file);
}

TEST(Messages, SuffixFollowsTheTextDirectly) {
  struct Case {
    EditionId edition;
    const wchar_t* shown;
  };
  const Case cases[] = {
      {EditionId::TraditionalChinese, L"無法找到檔案位置：C:\\a.mac"},
      {EditionId::SimplifiedChinese, L"无法找到文件路径： C:\\a.mac"},
      {EditionId::Hungarian, L"Az fájl elérési útvonala nem található: C:\\a.mac"},
  };
  for (const Case& c : cases) {
    ScopedEdition scoped(c.edition);
    EXPECT_EQ(ComposeMessage(5, L"C:\\a.mac"), c.shown);
  }
}

TEST(Messages, NumbersOutsideTheTableShowNothing) {
  EXPECT_EQ(ComposeMessage(56, L"x"), std::nullopt);
  EXPECT_EQ(ComposeMessage(1000, nullptr), std::nullopt);
  EXPECT_EQ(ComposeMessage(-1, nullptr), std::nullopt);
  ScopedEdition scoped(EditionId::Hungarian);
  EXPECT_EQ(ComposeMessage(1, nullptr), L"Nem csatlakozik játékegér.");
}

TEST(Messages, StartWithFileShowsBothLines) {
  EXPECT_EQ(StartWithFileText(),
            L"Unable to open file.\n\nPlease open gaming mouse application to import this profile.");
}

TEST(Messages, StartWithFileNoticeIsTheInformationBox) {
  const SkinnedNotice notice = StartWithFileNotice();
  EXPECT_EQ(notice.kind, 353);
  EXPECT_EQ(notice.firstLine, L"Unable to open file.");
  EXPECT_EQ(notice.text, L"Please open gaming mouse application to import this profile.");
}

}  // namespace
