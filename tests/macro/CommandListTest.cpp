#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "macro/SkinLVCmdListEx.h"
#include "tests/support/TestEdition.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

struct RowShape {
  int opcode;
  int delay;
  int bytes;
  bool operator==(const RowShape&) const = default;
};

std::vector<RowShape> Shapes(const CSkinLVCmdList& list) {
  std::vector<RowShape> shapes;
  for (int i = 0; i < list.RowCount(); ++i)
    shapes.push_back({list.Row(i).opcode, list.Row(i).delay, list.Row(i).bytes});
  return shapes;
}

struct DecodeCase {
  const char* name;
  int capacity;
  Bytes input;
  std::vector<RowShape> rows;
  Bytes encoded;
};

const DecodeCase kDecodeCases[] = {
    {"delay pairs fold into the row before", 125, {0x04, 0x01, 0x05, 0x84},
     {{0x04, 6, 3}, {0x84, 1, 1}}, {0x04, 0x01, 0x05, 0x84}},
    {"a delay before the first row is dropped", 125, {0x01, 0x10, 0x04}, {{0x04, 1, 1}}, {0x04}},
    {"an unknown script sub is skipped with its sub byte", 125, {0x83, 0x05, 0x04},
     {{0x04, 1, 1}}, {0x04}},
    {"a command cut off by the end is dropped", 125, {0x04, 0x80, 0x01, 0x02}, {{0x04, 1, 1}},
     {0x04}},
    {"a lone script opcode at the end is dropped", 125, {0x04, 0x83}, {{0x04, 1, 1}}, {0x04}},
    {"a command over the capacity is dropped, later ones still fit", 3,
     {0x80, 0x01, 0x00, 0x02, 0x00, 0x04}, {{0x04, 1, 1}}, {0x04}},
    {"a delay that would pass the capacity is dropped", 3, {0x04, 0x01, 0xFF},
     {{0x04, 1, 1}}, {0x04}},
    {"255 delay units become a full pair and an empty one", 125, {0x04, 0x01, 0xFF},
     {{0x04, 256, 5}}, {0x04, 0x01, 0xFF, 0x01, 0x00}},
    {"an empty pair adds nothing", 125, {0x04, 0x01, 0x00}, {{0x04, 1, 1}}, {0x04}},
    {"loop start stores count - 1 and a zero", 125, {0x02, 0x04, 0x09, 0x7E},
     {{0x02, 1, 3}, {0x7E, 1, 1}}, {0x02, 0x04, 0x00, 0x7E}},
    {"every command length", 512,
     {0x00, 0x03, 0xE9, 0x00, 0x80, 0xFD, 0xFF, 0x02, 0x00, 0x83, 0x00, 0x80, 0x02, 0xE0, 0x01,
      0x83, 0x04, 0x0C, 0x01, 0xFF},
     {{0x00, 1, 1}, {0x03, 1, 3}, {0x80, 1, 5}, {0x83, 1, 6}, {0x83, 1, 4}, {0xFF, 1, 1}},
     {0x00, 0x03, 0xE9, 0x00, 0x80, 0xFD, 0xFF, 0x02, 0x00, 0x83, 0x00, 0x80, 0x02, 0xE0, 0x01,
      0x83, 0x04, 0x0C, 0x01, 0xFF}},
    {"a forward loop end is pointed just past itself", 125, {0x82, 0x09, 0x00, 0x04},
     {{0x82, 1, 3}, {0x04, 1, 1}}, {0x82, 0x03, 0x00, 0x04}},
};

TEST(CommandListDecode, Cases) {
  for (const DecodeCase& c : kDecodeCases) {
    CSkinLVCmdList list;
    list.SetCapacity(c.capacity);
    list.Decode(c.input);
    EXPECT_EQ(Shapes(list), c.rows) << c.name;
    EXPECT_EQ(list.Encode(), c.encoded) << c.name;
    EXPECT_EQ(list.UsedBytes(), int(c.encoded.size())) << c.name;
  }
}

TEST(CommandListDecode, ForwardGotoResolvesAfterTheWalk) {
  CSkinLVCmdList list;
  list.SetCapacity(256);
  list.Decode(Bytes{0x83, 0x02, 0x05, 0x00, 0x04, 0x84, 0x05});
  ASSERT_EQ(list.RowCount(), 4);
  ASSERT_NE(list.Jumps().Find(0), nullptr);
  EXPECT_EQ(list.Jumps().Find(0)->targetRow, 2);
  EXPECT_EQ(list.Row(0).text, L"GOTO 3");
}

TEST(CommandListEncode, DelayPairs) {
  const std::pair<int, Bytes> cases[] = {
      {1, {0x04}},
      {2, {0x04, 0x01, 0x01}},
      {256, {0x04, 0x01, 0xFF, 0x01, 0x00}},
      {257, {0x04, 0x01, 0xFF, 0x01, 0x01}},
      {511, {0x04, 0x01, 0xFF, 0x01, 0xFF, 0x01, 0x00}},
  };
  for (const auto& [delay, bytes] : cases) {
    CSkinLVCmdList list;
    list.SetCapacity(512);
    list.AppendCommand(0x04);
    ASSERT_EQ(list.ResizeRow(0, delay), 1);
    Bytes out;
    EXPECT_EQ(list.EncodeRow(0, out), int(bytes.size())) << delay;
    EXPECT_EQ(out, bytes) << delay;
  }
}

TEST(CommandListAppend, CapacityIsNeverPassed) {
  CSkinLVCmdList list;
  list.SetCapacity(125);
  for (int i = 0; i < 124; ++i) ASSERT_GE(list.AppendCommand(0x04), 0);
  EXPECT_EQ(list.AppendCommand(0x01, 1), CSkinLVCmdList::kFull);
  EXPECT_EQ(list.AppendCommand(0x80, 1, 1), CSkinLVCmdList::kFull);
  EXPECT_EQ(list.AppendCommand(0x05), 124);
  EXPECT_EQ(list.AppendCommand(0x05), CSkinLVCmdList::kFull);
  EXPECT_EQ(list.UsedBytes(), 125);
}

TEST(CommandListAppend, DelayIsCheckedOnTheBytesItReallyAdds) {
  CSkinLVCmdList list;
  list.SetCapacity(3);
  list.AppendCommand(0x04);
  EXPECT_EQ(list.AppendCommand(0x01, 1), 0);  // adds [01 01]: 3 of 3
  EXPECT_EQ(list.AppendCommand(0x01, 200), 0);  // same pair, larger count: no byte
  EXPECT_EQ(list.Row(0).delay, 202);
  EXPECT_EQ(list.AppendCommand(0x01, 100), CSkinLVCmdList::kFull);  // a second pair
  EXPECT_EQ(list.Row(0).delay, 202);
  EXPECT_EQ(list.UsedBytes(), 3);
  EXPECT_EQ(list.AppendCommand(0x01, 0x7FFFFFFF), CSkinLVCmdList::kFull);
}

TEST(CommandListAppend, DelayWithoutARowIsDropped) {
  CSkinLVCmdList list;
  list.SetCapacity(125);
  EXPECT_EQ(list.AppendCommand(0x01, 5), -1);
  EXPECT_EQ(list.UsedBytes(), 0);
}

TEST(CommandListEx, ScriptLevelOpensScriptDialogsInItsWindow) {
  CSkinLVCmdListEx list;
  EXPECT_EQ(list.ScriptLevel(), 1800);
  EXPECT_TRUE(list.OpensScriptDialogs());
  list.SetScriptLevel(2049);
  EXPECT_FALSE(list.OpensScriptDialogs());
  list.SetScriptLevel(1796);
  EXPECT_TRUE(list.OpensScriptDialogs());
}

}  // namespace
