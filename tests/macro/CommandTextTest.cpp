#include <gtest/gtest.h>

#include <string>

#include "macro/SkinLVCmdList.h"
#include "tests/macro/RecordingCmdListView.h"
#include "tests/support/TestEdition.h"

namespace {

constexpr EditionId kTW = EditionId::TraditionalChinese;
constexpr EditionId kCN = EditionId::SimplifiedChinese;
constexpr EditionId kHU = EditionId::Hungarian;
constexpr int kNoSub = -1;

struct TextCase {
  EditionId edition;
  int opcode;
  int sub;
  int p1;
  int p2;
  const wchar_t* text;
  int icon;
};

// Each command follows four one-byte rows, so targets 0..3 are lines 1..4.
const TextCase kTextCases[] = {
    {kTW, 0x00, kNoSub, 0, 0, L"<All-Keys-Up>", 13},
    {kTW, 0x02, kNoSub, 5, 0, L"<Loop>: 5 Times", 13},
    {kTW, 0x02, kNoSub, 256, 0, L"<Loop>: 256 Times", 13},
    {kTW, 0x04, kNoSub, 0, 0, L"'A'", 1},
    {kTW, 0x84, kNoSub, 0, 0, L"'A'", 2},
    {kTW, 0x31, kNoSub, 0, 0, L"'\\'", 1},
    {kTW, 0x34, kNoSub, 0, 0, L"'''", 1},
    {kTW, 0x35, kNoSub, 0, 0, L"Tilde", 1},
    {kTW, 0x68, kNoSub, 0, 0, L"F13'", 1},
    {kTW, 0xF7, kNoSub, 0, 0, L"'Right-Win'", 2},
    {kTW, 0x78, kNoSub, 0, 0, L"左鍵", 3},
    {kCN, 0x7B, kNoSub, 0, 0, L"按键-4", 3},
    {kHU, 0xFD, kNoSub, 0, 0, L"B-J gomb", 4},
    {kTW, 0x7E, kNoSub, 0, 0, L"滾輪", 5},
    {kHU, 0xFE, kNoSub, 0, 0, L"Kerék görgetés", 6},
    {kTW, 0x7F, kNoSub, 0, 0, L"NOP", 1},
    {kTW, 0x81, kNoSub, 0, 0, L"<Pause>", 13},
    {kTW, 0x82, kNoSub, 1, 0, L"<Loop> End", 13},
    {kTW, 0xFF, kNoSub, 0, 0, L"Script Stop", 13},
    {kHU, 0xFF, kNoSub, 0, 0, L"Leállítás", 13},
    {kTW, 0x03, kNoSub, 233, 0, L"提高音量", 8},
    {kCN, 0x03, kNoSub, 205, 0, L"播放", 8},
    {kTW, 0x03, kNoSub, 176, 0, L"Code=176", 8},
    {kHU, 0x03, kNoSub, 0xFFFF, 0, L"Code=65535", 8},
    {kTW, 0x80, kNoSub, 0xFFFD, 2, L"(-3, 2)", 9},
    {kTW, 0x83, 0, 1920, 1080, L"Absoluted Move: (1920, 1080)", 9},
    {kTW, 0x83, 0, 0x8000, 0x7FFF, L"Absoluted Move: (-32768, 32767)", 9},
    {kTW, 0x83, 1, 0x87 + 256 * 0x01, 3,
     L"IF (('NumLock' lock) AND ('CapsLock' lock) AND ('ScrollLock' lock) AND (左鍵 press))  GOTO 4",
     10},
    {kTW, 0x83, 1, 0x42, 0, L"IF (('CapsLock' unlock))  GOTO 1", 10},
    {kTW, 0x83, 1, 0x42 + 256 * 0x04, 0, L"IF (('CapsLock' unlock) OR (中鍵 release))  GOTO 1", 10},
    {kHU, 0x83, 1, 0x80 + 256 * 0xE8, 0,
     L"IF ((IE vissza press) AND (6. gomb press) AND (Button-7 press) AND (Button-8 press))  GOTO 1",
     10},
    {kTW, 0x83, 2, 2, 0, L"GOTO 3", 11},
    {kTW, 0x83, 2, 8, 0, L"GOTO ??", 11},
    {kTW, 0x83, 3, 11 + 256 * 10, 1, L"IF (A >= 10)  GOTO 2", 10},
    {kTW, 0x83, 3, 0, 0, L"IF (A == B)  GOTO 1", 10},
    {kTW, 0x83, 3, 35 + 256 * 255, 0, L"IF (C != 255)  GOTO 1", 10},
    {kTW, 0x83, 3, 36, 0, L"IF ()  GOTO 1", 10},
    {kTW, 0x83, 4, 12, 1, L"SET A = A + 1", 12},
    {kTW, 0x83, 4, 24, 5, L"SET C = A +5", 12},
    {kTW, 0x83, 4, 25, 7, L"SET C = B +7", 12},
    {kTW, 0x83, 4, 27, 9, L"SET A = 9 - A", 12},
    {kTW, 0x83, 4, 62, 0, L"SET C = C - B", 12},
    {kTW, 0x83, 4, 63, 0, L"SET ", 12},
    {kTW, 0x83, 4, 255, 0x1FF, L"SET ", 12},
};

TEST(CommandText, RowTextsAndIconsPerEdition) {
  for (const TextCase& c : kTextCases) {
    ScopedEdition edition(c.edition);
    RecordingCmdListView view;
    CSkinLVCmdList list;
    list.Initialise(&view, true);
    list.SetCapacity(512);
    for (int i = 0; i < 4; ++i) list.AppendCommand(0x05);
    int row = c.sub == kNoSub ? list.AppendCommand(c.opcode, c.p1, c.p2)
                              : list.AppendScriptCommand(c.sub, c.p1, c.p2);
    ASSERT_EQ(row, 4) << std::hex << c.opcode;
    EXPECT_EQ(list.Row(row).text, c.text);
    EXPECT_EQ(view.Cell(row, 2), c.text);
    EXPECT_EQ(view.items[row].icon, c.icon) << list.Row(row).text;
  }
}

TEST(CommandText, DelayCellFollowsTheTickAndTheEdition) {
  const std::pair<EditionId, const wchar_t*> cases[] = {{kTW, L"毫秒"}, {kHU, L"ms"}};
  for (const auto& [edition, unit] : cases) {
    ScopedEdition scoped(edition);
    RecordingCmdListView view;
    CSkinLVCmdList list;
    list.Initialise(&view, false);
    list.SetCapacity(125);
    list.AppendCommand(0x04);
    EXPECT_EQ(view.Cell(0, 3), std::wstring(L"12") + unit);
    list.AppendCommand(0x01, 2);
    list.SetTickLength(36);
    EXPECT_EQ(view.Cell(0, 3), std::wstring(L"108") + unit);
    list.SetTickLength(12);
    EXPECT_EQ(view.Cell(0, 3), std::wstring(L"36") + unit);
    EXPECT_EQ(list.Row(0).delay, 3);
    EXPECT_EQ(view.items[0].icon, -1);
  }
}

TEST(CommandText, ColumnsOfTheEdition) {
  ScopedEdition scoped(kHU);
  RecordingCmdListView view;
  CSkinLVCmdList list;
  list.Initialise(&view, true);
  EXPECT_EQ(view.headings[1], L"SZ.");
  EXPECT_EQ(view.headings[2], L"Utasítás");
  EXPECT_EQ(view.headings[3], L"Késleltetés");
  EXPECT_EQ(view.widths[0], 0);
  EXPECT_EQ(view.widths[1], 50);
  EXPECT_EQ(view.widths[2], 153);
  EXPECT_EQ(view.widths[3], 81);
}

TEST(CommandText, LineNumbersAndScrollBarFollowInsertsAndDeletes) {
  ScopedEdition scoped(kTW);
  RecordingCmdListView view;
  CSkinLVCmdList list;
  list.Initialise(&view, true);
  list.SetCapacity(125);
  for (int i = 0; i < 6; ++i) list.AppendCommand(0x04 + i);
  EXPECT_EQ(view.scrollBarCalls, std::vector<bool>{false});
  EXPECT_EQ(list.InsertCommand(0, 0x1D), 1);
  EXPECT_EQ(view.scrollBarCalls, (std::vector<bool>{false, true}));
  for (int row = 0; row < 7; ++row) EXPECT_EQ(view.Cell(row, 1), std::to_wstring(row + 1));
  EXPECT_EQ(view.Cell(1, 0), L"1");  // the hidden item text keeps its first number
  list.SetSelected(0, true);
  list.SetSelected(3, true);
  list.DeleteSelected();
  EXPECT_EQ(view.scrollBarCalls, (std::vector<bool>{false, true, false}));
  ASSERT_EQ(view.items.size(), 5u);
  for (int row = 0; row < 5; ++row) EXPECT_EQ(view.Cell(row, 1), std::to_wstring(row + 1));
  EXPECT_EQ(view.Cell(0, 2), L"'A'");
  EXPECT_EQ(list.CurrentRow(), 0);
  EXPECT_TRUE(view.items[0].selected);
}

}  // namespace
