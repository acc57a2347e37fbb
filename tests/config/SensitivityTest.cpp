#include <gtest/gtest.h>

#include "config/Sensitivity.h"

namespace {

constexpr SensitivityGeneration kOld = 0x708;
constexpr SensitivityGeneration kNew = 0x710;
constexpr auto kFirst = SensitivityGroup::First;
constexpr auto kSecond = SensitivityGroup::Second;

TEST(Sensitivity, EncodingsOfBothGenerations) {
  struct Case {
    SensitivityGeneration generation;
    SensitivityGroup group;
    int index;
    std::uint8_t value;
  };
  const Case cases[] = {
      {kOld, kFirst, 1, 0x05},   {kOld, kFirst, 10, 0x4D},  {kOld, kFirst, 32, 0xFD},
      {kOld, kSecond, 1, 0x40},  {kOld, kSecond, 10, 0x49}, {kOld, kSecond, 32, 0x5F},
      {kOld, kFirst, 0, 0x05},   {kOld, kSecond, -3, 0x40},  // below the lowest: the lowest
      {kOld, kFirst, 33, 0xFD},  {kOld, kSecond, 40, 0x5F},  // above the highest: the highest
      {kNew, kFirst, 1, 0x00},   {kNew, kSecond, 12, 0x0B}, {kNew, kFirst, 40, 0x27},
      {kNew, kSecond, 0, 0x00},  {kNew, kFirst, 41, 0x27},  {0x711, kFirst, 2, 0x01},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EncodeSensitivity(c.generation, c.group, c.index), c.value)
        << std::hex << c.generation << " index " << std::dec << c.index;
  }
}

TEST(Sensitivity, EveryIndexReadsBackAsItself) {
  for (SensitivityGeneration g : {kOld, kNew}) {
    for (SensitivityGroup group : {kFirst, kSecond}) {
      for (int n = 1; n <= HighestSensitivityIndex(g); ++n) {
        EXPECT_EQ(DecodeSensitivity(g, group, EncodeSensitivity(g, group, n)), n);
      }
    }
  }
}

TEST(Sensitivity, DecodingOfValuesNotInCanonicalForm) {
  struct Case {
    SensitivityGeneration generation;
    SensitivityGroup group;
    std::uint8_t value;
    int index;
  };
  const Case cases[] = {
      {kOld, kFirst, 0x48, 10},  {kOld, kFirst, 0x00, 1},  {kOld, kSecond, 0x09, 10},
      {kOld, kSecond, 0xFF, 32}, {kNew, kFirst, 0x2F, 40}, {kNew, kSecond, 0xFF, 40},
      {kNew, kSecond, 0x40, 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DecodeSensitivity(c.generation, c.group, c.value), c.index) << int{c.value};
  }
}

TEST(Sensitivity, StepRangeAndFactoryValuesFollowTheGeneration) {
  EXPECT_EQ(SensitivityStep(0x70F), 125);
  EXPECT_EQ(SensitivityStep(0x710), 100);
  EXPECT_EQ(HighestSensitivityIndex(kOld), 32);
  EXPECT_EQ(HighestSensitivityIndex(kNew), 40);
  EXPECT_EQ(FactorySensitivityValues(kOld), (std::array<std::uint8_t, 4>{0x4D, 0xFD, 0x49, 0x5F}));
  EXPECT_EQ(FactorySensitivityValues(kNew), (std::array<std::uint8_t, 4>{0x0B, 0x27, 0x0B, 0x27}));
  for (SensitivityGeneration g : {kOld, kNew}) {
    const auto v = FactorySensitivityValues(g);
    const int step = SensitivityStep(g);
    EXPECT_EQ(DecodeSensitivity(g, kFirst, v[1]) * step, 4000);
    EXPECT_EQ(DecodeSensitivity(g, kSecond, v[3]) * step, 4000);
  }
}

TEST(Sensitivity, RegistersOfEachProfileAndAxis) {
  struct Case {
    int profile;
    bool swapped;
    SensitivityAxis axis;
    int level;
    int reg;
    SensitivityGroup group;
  };
  const Case cases[] = {
      {0, false, SensitivityAxis::X, 0, 0x01, kFirst},
      {0, false, SensitivityAxis::Y, 1, 0x122E, kSecond},
      {0, true, SensitivityAxis::X, 0, 0x122D, kSecond},
      {0, true, SensitivityAxis::X, 1, 0x122E, kSecond},
      {0, true, SensitivityAxis::Y, 0, 0x01, kFirst},
      {1, false, SensitivityAxis::X, 1, 0x1214, kFirst},
      {2, false, SensitivityAxis::Y, 0, 0x1220, kSecond},
      {3, true, SensitivityAxis::Y, 1, 0x1226, kFirst},
  };
  for (const Case& c : cases) {
    const SensitivityTarget t = SensitivityTargetOf(c.profile, c.swapped, c.axis, c.level);
    EXPECT_EQ(t.reg, c.reg) << c.profile;
    EXPECT_EQ(t.group, c.group) << c.profile;
  }
  EXPECT_EQ(SensitivityRegistersOf(3).level, 0x1224);
  EXPECT_TRUE(SensitivitySwapFlag(0x40));
  EXPECT_FALSE(SensitivitySwapFlag(0xBF));
}

TEST(Sensitivity, LevelRegister) {
  EXPECT_EQ(ActiveSensitivityLevel(0x20), 0);
  EXPECT_EQ(ActiveSensitivityLevel(0xF1), 1);
  EXPECT_EQ(ActiveSensitivityLevel(0x22), std::nullopt);
  EXPECT_EQ(ActiveSensitivityLevel(0x0F), std::nullopt);
  EXPECT_EQ(LevelRegisterValue(0x20, 1), 0x21);
  EXPECT_EQ(LevelRegisterValue(0xA1, 0), 0xA0);
  EXPECT_EQ(LevelRegisterValue(0x2F, 1), 0x21);
}

TEST(Sensitivity, ReadingTypedText) {
  struct Case {
    const wchar_t* text;
    std::optional<int> value;
  };
  const Case cases[] = {
      {L"", 0},          {L"1300", 1300},    {L"  130 ", 130},  {L"+25", 25},
      {L"-5", -5},       {L"1,300", 1300},   {L"1 300", 1300},  {L"1'300", 1300},
      {L"0004000", 4000}, {L"   ", 0},
      {L"12345678901", 123456789},  // only the first nine characters count
      {L"abc", std::nullopt}, {L"12a", std::nullopt}, {L"1.5", std::nullopt},
      {L"-", std::nullopt},   {L"1,,300", std::nullopt}, {L",300", std::nullopt},
      {L"300,", std::nullopt}, {L"+-3", std::nullopt}, {L"- 3", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadIntegerText(c.text), c.value) << "'" << c.text << "'";
}

TEST(Sensitivity, TypedValuesBecomeIndicesAndSometimesNewText) {
  struct Case {
    SensitivityGeneration generation;
    const wchar_t* text;
    bool rangeError;
    int index;
    std::optional<std::wstring> rewrite;
  };
  const Case cases[] = {
      {kOld, L"1300", false, 10, L"1250"},
      {kOld, L"130", false, 1, std::nullopt},
      {kOld, L"999", false, 7, std::nullopt},  // below 1000 the text stays
      {kOld, L"1250", false, 10, std::nullopt},
      {kOld, L"4000", false, 32, std::nullopt},
      {kOld, L"", false, 0, std::nullopt},
      {kOld, L"60", false, 0, std::nullopt},
      {kOld, L"4001", true, 0, std::nullopt},
      {kOld, L"x", true, 0, std::nullopt},
      {kOld, L"1,999", false, 15, L"1875"},
      {kNew, L"1250", false, 12, L"1200"},
      {kNew, L"4000", false, 40, std::nullopt},
      {kOld, L"-200", false, 0, L"0"},
      {kNew, L"-1", false, 0, L"0"},
  };
  for (const Case& c : cases) {
    const SensitivityEditResult r = ReadSensitivityEdit(c.text, c.generation);
    EXPECT_EQ(r.rangeError, c.rangeError) << "'" << c.text << "'";
    if (c.rangeError) continue;
    EXPECT_EQ(r.index.index, c.index) << "'" << c.text << "'";
    EXPECT_EQ(r.index.rewrite, c.rewrite) << "'" << c.text << "'";
  }
}

// Showing a rewritten text runs the change handling again; it must settle.
TEST(Sensitivity, RewrittenTextNeedsNoFurtherRewrite) {
  for (SensitivityGeneration g : {kOld, kNew}) {
    for (int value = -5000; value <= 4000; value += 7) {
      const SensitivityEditResult first = ReadSensitivityEdit(std::to_wstring(value), g);
      if (!first.index.rewrite) continue;
      const SensitivityEditResult again = ReadSensitivityEdit(*first.index.rewrite, g);
      EXPECT_FALSE(again.rangeError);
      EXPECT_FALSE(again.index.rewrite) << value;
      EXPECT_EQ(again.index.index, first.index.index) << value;
    }
  }
}

}  // namespace
