#include <gtest/gtest.h>

#include "config/ButtonFunction.h"
#include "tests/support/TestEdition.h"

namespace {

int Decode(int group, const ButtonEncoding& e) {
  const auto& p = e.parameters;
  return DecodeButtonFunction(group, e.code, p[0], p[1], p[2], p[3]);
}

TEST(ButtonFunction, EveryListItemOfEveryGroupReadsBackAsItself) {
  for (int group = 0; group < 6; ++group) {
    for (int k = 0; k < ListItemCount(group); ++k) {
      const std::optional<ButtonEncoding> encoded = EncodeButtonFunction(group, k);
      ASSERT_TRUE(encoded) << group << "/" << k;
      if (k == kKeyboardEntry) continue;  // parameters come from the key-capture field
      EXPECT_EQ(Decode(group, *encoded), k) << "group " << group << " item " << k;
    }
  }
}

TEST(ButtonFunction, ListsOfferEveryFunctionOnceAndGroupZeroNoMacro) {
  EXPECT_EQ(ListItemCount(0), 38);
  for (int group = 1; group < 6; ++group) EXPECT_EQ(ListItemCount(group), 39);
  for (int k = 0; k < 38; ++k) EXPECT_NE(EncodeButtonFunction(0, k)->code, 6) << k;
  EXPECT_EQ(EncodeButtonFunction(0, 6)->code, 7);  // script #1 follows the keyboard
  EXPECT_EQ(EncodeButtonFunction(1, 6)->code, 6);
  EXPECT_EQ(EncodeButtonFunction(0, 37)->code, 39);
  EXPECT_FALSE(EncodeButtonFunction(0, 38));
  EXPECT_FALSE(EncodeButtonFunction(1, 39));
  EXPECT_FALSE(EncodeButtonFunction(1, -1));
  EXPECT_FALSE(EncodeButtonFunction(6, 0));
}

TEST(ButtonFunction, EncodingsOfTheFunctionsWithParameters) {
  struct Case {
    int entry;
    std::uint8_t code;
    std::array<std::uint8_t, 4> parameters;
  };
  const Case cases[] = {
      {0, 1, {0x01, 0, 0, 0}},        {1, 1, {0x02, 0, 0, 0}},
      {2, 1, {0x04, 0, 0, 0}},        {3, 1, {0x08, 0, 0, 0}},
      {4, 1, {0x10, 0, 0, 0}},        {24, 4, {0x01, 0x03, 0x20, 0x06}},
      {25, 5, {0x2C, 0x03, 0x03, 0x01}}, {37, 2, {0x08, 0x08, 0, 0}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(*EncodeButtonFunction(1, c.entry), (ButtonEncoding{c.code, c.parameters}))
        << c.entry;
  }
}

TEST(ButtonFunction, ConsumerKeysCarryTheirSixteenBitUsage) {
  const int usages[] = {0x0223, 0x018A, 0x0183, 0x00CD, 0x00B7, 0x00B5,
                        0x00B6, 0x00E9, 0x00EA, 0x00E2, 0x0192};
  for (int i = 0; i < 11; ++i) {
    const ButtonEncoding e = *EncodeButtonFunction(2, 26 + i);
    EXPECT_EQ(e.code, 3);
    EXPECT_EQ(e.parameters[0] + 256 * e.parameters[1], usages[i]) << "entry " << 26 + i;
    EXPECT_EQ(e.parameters[2] + e.parameters[3], 0);
  }
}

TEST(ButtonFunction, CodesWithoutParametersName) {
  struct Case {
    int code;
    int entry;
  };
  const Case cases[] = {{6, 6},   {7, 7},   {12, 12}, {17, 13}, {18, 14}, {29, 15},
                        {30, 16}, {23, 17}, {25, 18}, {26, 19}, {28, 21}, {15, 22},
                        {16, 23}, {39, 38}};
  for (const Case& c : cases) {
    EXPECT_EQ(DecodeButtonFunction(3, static_cast<std::uint8_t>(c.code), 0x55, 1, 2, 3), c.entry)
        << "code " << c.code;
  }
}

TEST(ButtonFunction, DecodingWhatTheTableDoesNotKnow) {
  struct Case {
    int group;
    std::array<std::uint8_t, 5> stored;  // code, parameters
    int listIndex;
  };
  const Case cases[] = {
      {4, {1, 0x20, 0, 0, 0}, -1},       // factory bits of the sensitivity buttons
      {1, {1, 0x00, 0, 0, 0}, -1},
      {1, {3, 0xCD, 0x01, 0, 0}, -1},    // unknown usage
      {1, {0, 0, 0, 0, 0}, -1},
      {1, {13, 0, 0, 0, 0}, -1},
      {1, {24, 0, 0, 0, 0}, -1},
      {1, {40, 0, 0, 0, 0}, -1},
      {1, {255, 0, 0, 0, 0}, -1},
      {0, {6, 0, 0, 0, 0}, -1},          // group 0 lists no macro
      {0, {7, 0, 0, 0, 0}, 6},
      {0, {2, 0x08, 0x08, 0, 0}, 36},    // my computer
      {5, {2, 0x08, 0x08, 0, 0}, 37},
      {5, {2, 0x08, 0x08, 0, 0x04}, 5},  // any other combination is the keyboard
      {0, {2, 0x02, 0x04, 0x05, 0}, 5},
      {2, {4, 9, 9, 9, 9}, 24},          // rapid fire whatever its parameters
      {2, {5, 0, 0, 0, 0}, 25},
      {0, {5, 0, 0, 0, 0}, 24},
      {2, {1, 0x10, 7, 7, 7}, 4},
  };
  for (const Case& c : cases) {
    const auto& s = c.stored;
    EXPECT_EQ(DecodeButtonFunction(c.group, s[0], s[1], s[2], s[3], s[4]), c.listIndex)
        << "group " << c.group << " code " << int{s[0]};
  }
}

TEST(ButtonFunction, ModesOfTheEntries) {
  EXPECT_EQ(ModeOfEntry(5), ButtonMode::Keyboard);
  EXPECT_EQ(ModeOfEntry(6), ButtonMode::Macro);
  for (int e = 7; e <= 12; ++e) EXPECT_EQ(ModeOfEntry(e), ButtonMode::Script);
  for (int e : {0, 4, 13, 24, 37, 38}) EXPECT_EQ(ModeOfEntry(e), ButtonMode::Plain) << e;
}

TEST(ButtonFunction, ListItemsAndTheirEntries) {
  EXPECT_EQ(EntryOfListIndex(0, 5), 5);
  EXPECT_EQ(EntryOfListIndex(0, 6), 7);
  EXPECT_EQ(EntryOfListIndex(3, 6), 6);
  EXPECT_EQ(ListIndexOfEntry(0, 6), std::nullopt);
  EXPECT_EQ(ListIndexOfEntry(0, 38), 37);
  EXPECT_EQ(ListIndexOfEntry(1, 38), 38);
  EXPECT_EQ(ListIndexOfEntry(1, 39), std::nullopt);
  ScopedEdition edition(EditionId::TraditionalChinese);
  EXPECT_EQ(ListItemText(7), L"  腳本 #1");
  EXPECT_EQ(ListItemText(24), L"  快速按擊 [滑鼠]");
  EXPECT_EQ(ListItemText(39), L"");
}

TEST(ButtonFunction, ChoiceMarksTheProfileWhenItChangesTheFunction) {
  struct Case {
    std::uint8_t code;
    bool codeChanged;
    std::array<bool, 4> parameterChanged;
    bool marks;
  };
  const Case cases[] = {
      {1, true, {false, false, false, false}, true},
      {1, false, {true, false, false, false}, true},   // another mouse button
      {1, false, {false, true, false, false}, false},
      {3, false, {false, true, false, false}, true},   // another consumer key
      {3, false, {false, false, true, true}, false},
      {4, false, {true, true, true, true}, false},
      {7, false, {false, false, false, false}, false},  // the same function again
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ButtonChoiceMarksProfile(c.code, c.codeChanged, c.parameterChanged), c.marks)
        << int{c.code};
  }
  EXPECT_TRUE(IsPlainKeyCombination(5));
  EXPECT_FALSE(IsPlainKeyCombination(37));
}

TEST(ButtonFunction, DroppedListsCoverTheControlsBelowThem) {
  const std::vector<std::vector<int>> covered = {
      {1053, 1047}, {1052, 1046}, {1006, 1007}, {1051, 1045}, {1054, 1048}, {1008, 1009, 1002}};
  for (int g = 0; g < 6; ++g) {
    const auto span = ControlsCoveredByList(g);
    EXPECT_EQ(std::vector<int>(span.begin(), span.end()), covered[g]) << g;
  }
  EXPECT_TRUE(ControlsCoveredByList(6).empty());
}

}  // namespace
