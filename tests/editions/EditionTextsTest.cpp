#include <gtest/gtest.h>

#include <string>

#include "editions/Edition.h"
#include "tests/support/TestEdition.h"

namespace {

TEST(EditionTexts, EveryIdHasATextInEveryEdition) {
  for (EditionId edition : kAllEditions) {
    ScopedEdition scoped(edition);
    for (int id = 0; id < kTextIdCount; ++id) {
      ASSERT_NE(Text(TextId(id)), nullptr) << id;
      EXPECT_NE(std::wstring(Text(TextId(id))), L"") << "edition " << int(edition) << " id " << id;
    }
  }
}

struct TextCase {
  EditionId edition;
  TextId id;
  const wchar_t* text;
};

// Texts that are easy to get wrong: odd spellings kept as the editions show
// them, trailing and leading blanks, and texts from each slot table.
const TextCase kTextCases[] = {
    {EditionId::TraditionalChinese, IDS_APP_TITLE, L"Orvo Mirel 資訊"},
    {EditionId::SimplifiedChinese, IDS_APP_TITLE, L"Orvo Mirel 信息"},
    {EditionId::Hungarian, IDS_APP_TITLE, L"Orvo Mirel ÜZENET"},
    {EditionId::TraditionalChinese, IDS_FUNC_22, L"滾輪[左]"},
    {EditionId::TraditionalChinese, IDS_FUNC_23, L"滾輪[右]]"},
    {EditionId::SimplifiedChinese, IDS_FUNC_23, L"滚轮[右]"},
    {EditionId::Hungarian, IDS_FUNC_23, L"Kerék [jobb]"},
    {EditionId::Hungarian, IDS_FUNC_38, L"Letiltva"},
    {EditionId::Hungarian, IDS_WRITE_FAILED, L"ikertelen írás."},
    {EditionId::TraditionalChinese, IDS_FILE_LOCATION, L"無法找到檔案位置："},
    {EditionId::SimplifiedChinese, IDS_FILE_LOCATION, L"无法找到文件路径： "},
    {EditionId::Hungarian, IDS_FILE_LOCATION, L"Az fájl elérési útvonala nem található: "},
    {EditionId::SimplifiedChinese, IDS_SCRIPT_CHANGE_QUESTION_3, L"脚本将会改变，继续吗"},
    {EditionId::TraditionalChinese, IDS_SCRIPT_CHANGE_QUESTION_6, L"將變更劇本6，繼續?"},
    {EditionId::Hungarian, IDS_REVERT_QUESTION, L"Eredeti beállítások visszaállítása?"},
    {EditionId::SimplifiedChinese, IDS_MACRO_CHANGE_QUESTION, L"这个宏将会改变，继续吗?"},
    {EditionId::Hungarian, IDS_PROFILE_NAME_1, L"1. profil"},
    {EditionId::TraditionalChinese, IDS_SCRIPT_MODE_LOOP, L"  迴圈"},
    {EditionId::Hungarian, IDS_SCRIPT_MODE_KEEP_FIRE, L"  Keeping fire"},
    {EditionId::Hungarian, IDS_CMD_DELAY, L"... Késleltetés: "},
    {EditionId::SimplifiedChinese, IDS_CONSUMER_205, L"播放"},
    {EditionId::TraditionalChinese, IDS_CONSUMER_547, L"網路瀏覽器"},
    {EditionId::Hungarian, IDS_SELECT_MOUSE_TITLE, L"Orvo Gaming Mouse: Mirel"},
    {EditionId::Hungarian, IDS_TIP_WEB, L"Ugrás az Orvo Jaték weboldalra"},
};

TEST(EditionTexts, QuotedTextsAreExact) {
  for (const TextCase& c : kTextCases) {
    ScopedEdition scoped(c.edition);
    EXPECT_EQ(std::wstring(Text(c.id)), c.text) << "edition " << int(c.edition) << " id " << c.id;
  }
}

TEST(EditionTexts, SlotTablesRepeatTheirQuestion) {
  for (EditionId edition : kAllEditions) {
    const EditionTexts& t = TextsOf(edition);
    for (const auto& slot : t.revertQuestions)
      EXPECT_EQ(std::wstring(slot), t.revertQuestions[0]);
    for (const auto& slot : t.macroQuestions) EXPECT_EQ(std::wstring(slot), t.macroQuestions[0]);
  }
}

TEST(MessageTable, NumbersMapToTheirTexts) {
  ScopedEdition scoped(EditionId::TraditionalChinese);
  EXPECT_EQ(std::wstring(MessageText(0)), L"此應用程式已開啟。");
  EXPECT_EQ(std::wstring(MessageText(1)), L"未連接遊戲滑鼠。");
  EXPECT_EQ(std::wstring(MessageText(54)), L"無法連接到：");
  EXPECT_EQ(std::wstring(MessageText(2)), L"");
  EXPECT_EQ(MessageText(56), nullptr);
  EXPECT_EQ(MessageText(-1), nullptr);
  EXPECT_NE(MessageText(55), nullptr);
}

}  // namespace
