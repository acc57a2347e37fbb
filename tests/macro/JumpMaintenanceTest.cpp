#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "macro/CommandLanguage.h"
#include "macro/SkinLVCmdList.h"
#include "tests/support/TestEdition.h"

namespace {

namespace cl = command_language;

// Rows: 'A' 'B' GOTO->row 3 'C' 'D'; offsets 0 1 2 6 7.
void MakeGotoList(CSkinLVCmdList& list) {
  list.SetCapacity(125);
  list.Decode(std::vector<std::uint8_t>{0x04, 0x05, 0x83, 0x02, 0x06, 0x00, 0x06, 0x07});
}

int StoredTarget(const CSkinLVCmdList& list, int row) { return cl::JumpTarget(list.Row(row)); }

TEST(JumpMaintenance, InsertBeforeTheTargetMovesTheOffset) {
  CSkinLVCmdList list;
  MakeGotoList(list);
  EXPECT_EQ(list.Row(2).text, L"GOTO 4");
  EXPECT_EQ(list.InsertCommand(3, 0x08), 4);
  EXPECT_EQ(StoredTarget(list, 2), 7);
  EXPECT_EQ(list.Row(2).text, L"GOTO 5");
  EXPECT_EQ(list.Row(4).opcode, 0x06);
  EXPECT_EQ(list.InsertCommand(0, 0x80, 1, 1), 1);  // before the jump itself
  EXPECT_EQ(StoredTarget(list, 3), 12);
  EXPECT_EQ(list.Row(3).text, L"GOTO 6");
}

TEST(JumpMaintenance, DeletingTheTargetPointsTheJumpAtTheStart) {
  CSkinLVCmdList list;
  MakeGotoList(list);
  list.SetSelected(3, true);
  list.DeleteSelected();
  EXPECT_EQ(StoredTarget(list, 2), 0);
  EXPECT_EQ(list.Row(2).text, L"GOTO 1");
  EXPECT_EQ(list.CurrentRow(), 3);
}

TEST(JumpMaintenance, DeletingRowsBeforeTheTargetRenumbers) {
  CSkinLVCmdList list;
  MakeGotoList(list);
  list.SetSelected(0, true);
  list.DeleteSelected();
  EXPECT_EQ(StoredTarget(list, 1), 5);
  EXPECT_EQ(list.Row(1).text, L"GOTO 3");
  EXPECT_EQ(list.Jumps().Find(1)->targetRow, 2);
}

TEST(JumpMaintenance, DeletingTheJumpDropsItsRecord) {
  CSkinLVCmdList list;
  MakeGotoList(list);
  list.SetSelected(2, true);
  list.DeleteSelected();
  EXPECT_TRUE(list.Jumps().Records().empty());
}

TEST(JumpMaintenance, MovingTheTargetUpFollowsIt) {
  CSkinLVCmdList list;
  MakeGotoList(list);
  list.SelectRow(3);
  list.MoveSelectedUp();
  EXPECT_EQ(list.Row(2).opcode, 0x06);
  EXPECT_EQ(list.Row(3).text, L"GOTO 3");
  EXPECT_EQ(StoredTarget(list, 3), 2);
  EXPECT_EQ(list.CurrentRow(), 2);
  EXPECT_EQ(list.SelectedRows(), std::vector<int>{2});
}

TEST(JumpMaintenance, MovesAtTheEndsOrWithoutOneSelectionDoNothing) {
  CSkinLVCmdList list;
  MakeGotoList(list);
  const auto before = list.Encode();
  list.MoveSelectedUp();
  list.SelectRow(0);
  list.MoveSelectedUp();
  list.SelectRow(4);
  list.MoveSelectedDown();
  list.SetSelected(3, true);
  list.MoveSelectedDown();
  EXPECT_EQ(list.Encode(), before);
}

TEST(JumpMaintenance, RaisingADelayMovesLaterTargets) {
  CSkinLVCmdList list;
  MakeGotoList(list);
  EXPECT_EQ(list.ResizeRow(0, 2), 1);
  EXPECT_EQ(StoredTarget(list, 2), 8);
  EXPECT_EQ(list.ResizeRow(3, 2), 1);  // the target itself: its start stays
  EXPECT_EQ(StoredTarget(list, 2), 8);
}

TEST(JumpMaintenance, ResizeBeyondTheCapacityChangesNothing) {
  CSkinLVCmdList list;
  MakeGotoList(list);
  list.SetCapacity(9);
  EXPECT_EQ(list.ResizeRow(0, 2), CSkinLVCmdList::kFull);
  EXPECT_EQ(list.Row(0).delay, 1);
  EXPECT_EQ(list.UsedBytes(), 8);
}

TEST(JumpMaintenance, ReplacingAJumpByAnotherCommandDropsItsRecord) {
  CSkinLVCmdList list;
  MakeGotoList(list);
  EXPECT_EQ(list.SetCommand(2, 0x09, 0), 1);
  EXPECT_TRUE(list.Jumps().Records().empty());
  EXPECT_EQ(list.UsedBytes(), 5);
  list.InsertCommand(0, 0x0A);
  EXPECT_EQ(list.Row(3).opcode, 0x09);
}

TEST(JumpMaintenance, ALongerCommandMovesLaterTargetsOrIsRefused) {
  CSkinLVCmdList list;
  MakeGotoList(list);
  EXPECT_EQ(list.SetCommand(1, 0x80, 5, -5), 1);
  EXPECT_EQ(StoredTarget(list, 2), 10);
  EXPECT_EQ(list.Row(1).text, L"(5, -5)");
  list.SetCapacity(list.UsedBytes() + 1);
  EXPECT_EQ(list.SetCommand(0, 0x03, 233), CSkinLVCmdList::kFull);
  EXPECT_EQ(list.Row(0).opcode, 0x04);
  EXPECT_EQ(list.SetCommand(9, 0x04, 0), 0);
}

TEST(JumpMaintenance, JumpsPastTheTableAreWrittenButNotFollowed) {
  CSkinLVCmdList list;
  list.SetCapacity(512);
  list.AppendCommand(0x04);
  for (int i = 0; i < CJumpTable::kMaxRecords; ++i) list.AppendCommand(cl::kLoopEnd, 0);
  EXPECT_EQ(list.AppendCommand(cl::kLoopEnd, 0), 129);
  EXPECT_EQ(list.Jumps().Records().size(), 128u);
  list.InsertCommand(0, 0x05);
  EXPECT_EQ(StoredTarget(list, 1 + 1), 1);
  EXPECT_EQ(StoredTarget(list, 130), 0);
}

TEST(JumpMaintenance, InsertBySelectionNeedsExactlyOneRow) {
  CSkinLVCmdList list;
  MakeGotoList(list);
  EXPECT_EQ(list.InsertCommand(CSkinLVCmdList::kSelectedRow, 0x08), 0);
  list.SelectRow(1);
  EXPECT_EQ(list.InsertCommand(CSkinLVCmdList::kSelectedRow, 0x08), 2);
  EXPECT_EQ(list.InsertCommand(2, 0x01, 3), 2);
  EXPECT_EQ(list.Row(1).delay, 4);
  EXPECT_EQ(list.InsertCommand(0, 0x01, 3), 0);
  EXPECT_EQ(list.Row(0).delay, 1);
}

// Random edits: kept jumps stay on their target's start, the byte count is
// the rows' sum within the capacity, and encoding then decoding keeps rows.
class RandomEdits {
 public:
  explicit RandomEdits(unsigned seed) : random_(seed) { list_.SetCapacity(512); }

  void Step() {
    switch (Pick(9)) {
      case 0:
      case 1: list_.InsertCommand(Pick(list_.RowCount() + 1), RandomPlainOpcode()); break;
      case 2: InsertJump(); break;
      case 3: SelectSome(); list_.DeleteSelected(); break;
      case 4: SelectOne(); list_.MoveSelectedUp(); break;
      case 5: SelectOne(); list_.MoveSelectedDown(); break;
      case 6: Resize(); break;
      case 7: SetRow(); break;
      default: list_.AppendCommand(0x80, Pick(65536), Pick(65536)); break;
    }
  }

  void Check() const {
    int sum = 0;
    for (int row = 0; row < list_.RowCount(); ++row) {
      std::vector<std::uint8_t> bytes;
      const int count = list_.EncodeRow(row, bytes);
      ASSERT_EQ(count, int(bytes.size()));
      sum += int(bytes.size());
    }
    ASSERT_EQ(list_.UsedBytes(), sum);
    ASSERT_LE(sum, list_.Capacity());
    for (const JumpRecord& r : list_.Jumps().Records()) {
      ASSERT_LT(r.sourceRow, list_.RowCount());
      ASSERT_EQ(cl::JumpTarget(list_.Row(r.sourceRow)), r.targetOffset);
      if (r.targetRow >= 0) {
        ASSERT_EQ(r.targetOffset, list_.StartOffset(r.targetRow));
      }
    }
    CheckRoundTrip();
  }

 private:
  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

  int RandomPlainOpcode() {
    constexpr int kOpcodes[] = {0x00, 0x04, 0x2C, 0x78, 0x7E, 0x81, 0x84, 0xFE, 0xFF, 0x03, 0x02};
    return kOpcodes[Pick(std::size(kOpcodes))];
  }

  // The start of a random row (or the end) as it will be once `row` has
  // grown by `delta` bytes: jumps are given offsets of the list they land in.
  int RandomTarget(int row, int delta) {
    const int target = Pick(list_.RowCount() + 1);
    return list_.StartOffset(target) + (target > row ? delta : 0);
  }

  void InsertJump() {
    const int index = Pick(list_.RowCount() + 1);
    switch (Pick(4)) {
      case 0: list_.InsertCommand(index, 0x82, RandomTarget(index - 1, 3)); break;
      case 1:
        list_.InsertScriptCommand(index, cl::kSubIfInput, 0x81, RandomTarget(index - 1, 6));
        break;
      case 2: list_.InsertScriptCommand(index, cl::kSubGoto, RandomTarget(index - 1, 4)); break;
      default:
        list_.InsertScriptCommand(index, cl::kSubIfVariable, 5, RandomTarget(index - 1, 6));
        break;
    }
  }

  void SelectSome() {
    for (int row = 0; row < list_.RowCount(); ++row) list_.SetSelected(row, Pick(6) == 0);
  }

  void SelectOne() {
    if (list_.RowCount() > 0) list_.SelectRow(Pick(list_.RowCount()));
  }

  void Resize() {
    if (list_.RowCount() == 0) return;
    const int row = Pick(list_.RowCount());
    const int delays[] = {1, 2, 255, 256, 257, 600, list_.Row(row).delay + Pick(300)};
    list_.ResizeRow(row, delays[Pick(std::size(delays))]);
  }

  void SetRow() {
    if (list_.RowCount() == 0) return;
    const int row = Pick(list_.RowCount());
    if (Pick(2) == 0) list_.SetCommand(row, RandomPlainOpcode(), Pick(256));
    else {
      const int delta = 4 - cl::CommandLength(list_.Row(row).opcode, list_.Row(row).operands[0]);
      list_.SetScriptCommand(row, cl::kSubGoto, RandomTarget(row, delta));
    }
  }

  // A forward loop end is pointed past itself on decoding, by design; every
  // other command comes back as it was.
  void CheckRoundTrip() const {
    CSkinLVCmdList copy;
    copy.SetCapacity(list_.Capacity());
    copy.Decode(list_.Encode());
    ASSERT_EQ(copy.RowCount(), list_.RowCount());
    for (int row = 0; row < list_.RowCount(); ++row) {
      const CommandRow& a = list_.Row(row);
      const CommandRow& b = copy.Row(row);
      ASSERT_EQ(a.opcode, b.opcode) << row;
      ASSERT_EQ(a.delay, b.delay) << row;
      const bool forwardLoopEnd =
          a.opcode == cl::kLoopEnd && cl::JumpTarget(a) > list_.StartOffset(row);
      if (!forwardLoopEnd) {
        ASSERT_EQ(a.operands, b.operands) << row;
      }
    }
  }

  std::mt19937 random_;
  CSkinLVCmdList list_;
};

TEST(JumpMaintenance, InvariantsHoldThroughRandomEdits) {
  for (unsigned seed = 1; seed <= 40; ++seed) {
    RandomEdits edits(seed);
    for (int step = 0; step < 400; ++step) {
      edits.Step();
      edits.Check();
      if (testing::Test::HasFatalFailure()) {
        ADD_FAILURE() << "seed " << seed << " step " << step;
        return;
      }
    }
  }
}

}  // namespace
