#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "config/LoadList.h"
#include "config/ProfileTable.h"
#include "config/RegisterMap.h"

namespace {

TEST(LoadList, ReadsTheSettingsInTheirOrder) {
  struct Run {
    int position;
    int first;
    int last;
  };
  const Run runs[] = {
      {0, 0x00, 0x02},      {3, 0x06, 0x06},      {4, 0x08, 0x0D},      {10, 0x15, 0x2C},
      {34, 0x3A, 0x3F},     {40, 0x47, 0x5E},     {64, 0x6C, 0x71},     {70, 0x79, 0x90},
      {94, 0xA6, 0xA7},     {96, 0x122D, 0x122E}, {98, 0x1212, 0x1214}, {101, 0x1217, 0x1218},
      {103, 0x121B, 0x121D}, {106, 0x1220, 0x1221}, {108, 0x1224, 0x1226}, {111, 0x1229, 0x122A},
  };
  int expectedPosition = 0;
  for (const Run& run : runs) {
    ASSERT_EQ(run.position, expectedPosition);
    for (int reg = run.first; reg <= run.last; ++reg) {
      EXPECT_EQ(kLoadList[expectedPosition], reg) << "position " << expectedPosition;
      ++expectedPosition;
    }
  }
  EXPECT_EQ(expectedPosition, kLoadListCount);
}

TEST(RegisterMap, ButtonRegistersOfEachCustomProfile) {
  struct Case {
    int profile;
    int firstCode;
    int firstParameter;
    int macroBlock;
  };
  const Case cases[] = {{1, 0x08, 0x15, 0x900}, {2, 0x3A, 0x47, 0xC00}, {3, 0x6C, 0x79, 0xF00}};
  for (const Case& c : cases) {
    EXPECT_EQ(FunctionCodeRegister(c.profile, 0), c.firstCode);
    EXPECT_EQ(FunctionCodeRegister(c.profile, 5), c.firstCode + 5);
    EXPECT_EQ(ParameterRegister(c.profile, 0, 0), c.firstParameter);
    EXPECT_EQ(ParameterRegister(c.profile, 5, 3), c.firstParameter + 23);
    EXPECT_EQ(MacroBlockBase(c.profile), c.macroBlock);
  }
}

TEST(ProfileTable, FactoryValuesOfACustomProfile) {
  const CProfileTable table = CProfileTable::Factory();
  const auto e = table.Entries(2);
  ASSERT_EQ(e.size(), 53u);
  const ProfileEntry head[] = {{0x121B, 0x20}, {0x121C, 0x4D}, {0x121D, 0xFD}, {0x1220, 0x49},
                               {0x1221, 0x5F}, {0x3A, 0x01},   {0x3B, 0x01},   {0x3C, 0x01},
                               {0x3D, 0x01},   {0x3E, 0x11},   {0x3F, 0x12}};
  for (std::size_t i = 0; i < std::size(head); ++i) EXPECT_EQ(e[i], head[i]) << "entry " << i;
  const std::uint8_t firstParameters[] = {0x02, 0x04, 0x10, 0x08, 0x20, 0x40};
  for (int i = 0; i < 24; ++i) {
    const std::uint8_t value = i % 4 == 0 ? firstParameters[i / 4] : 0;
    EXPECT_EQ(e[11 + i], (ProfileEntry{static_cast<std::uint16_t>(0x47 + i), value})) << i;
  }
  for (int k = 0; k < 6; ++k) {
    const auto area = static_cast<std::uint16_t>(0xC00 + 0x80 * k);
    EXPECT_EQ(e[35 + 3 * k], (ProfileEntry{area, 0x00}));
    EXPECT_EQ(e[36 + 3 * k], (ProfileEntry{static_cast<std::uint16_t>(area + 1), 0x50}));
    EXPECT_EQ(e[37 + 3 * k], (ProfileEntry{static_cast<std::uint16_t>(area + 2), 0x01}));
  }
}

TEST(ProfileTable, StandardProfileHoldsOnlyItsSensitivity) {
  const CProfileTable table = CProfileTable::Factory();
  const auto e = table.Entries(0);
  const ProfileEntry expected[] = {
      {0x00, 0x20}, {0x01, 0x4D}, {0x02, 0xFD}, {0x122D, 0x49}, {0x122E, 0x5F}};
  ASSERT_EQ(e.size(), std::size(expected));
  EXPECT_TRUE(std::equal(e.begin(), e.end(), std::begin(expected)));
  EXPECT_TRUE(table.Entries(4).empty());
  EXPECT_TRUE(table.Entries(-1).empty());
}

TEST(ProfileTable, EverySavedSettingIsLoadedExceptTheMacroHeaders) {
  const std::set<int> loaded(kLoadList.begin(), kLoadList.end());
  const CProfileTable table = CProfileTable::Factory();
  for (int p = 0; p < kProfileCount; ++p) {
    const auto entries = table.Entries(p);
    for (std::size_t i = 0; i < entries.size() && i < kFirstMacroHeaderEntry; ++i) {
      EXPECT_TRUE(loaded.count(entries[i].reg)) << "profile " << p << " entry " << i;
    }
  }
}

TEST(ProfileTable, GenerationRewritesOnlyTheSensitivityValues) {
  CProfileTable table = CProfileTable::Factory();
  table.SetValue(1, 0, 0x21);
  table.SetValue(1, 20, 0x77);
  table.SetSensitivityFactoryValues(0x710);
  for (int p = 0; p < kProfileCount; ++p) {
    const auto e = table.Entries(p);
    EXPECT_EQ(e[1].value, 0x0B);
    EXPECT_EQ(e[2].value, 0x27);
    EXPECT_EQ(e[3].value, 0x0B);
    EXPECT_EQ(e[4].value, 0x27);
  }
  EXPECT_EQ(table.Entries(1)[0].value, 0x21);
  EXPECT_EQ(table.Entries(1)[20].value, 0x77);
  EXPECT_EQ(CProfileTable::Factory(0x711), [] {
    CProfileTable t = CProfileTable::Factory();
    t.SetSensitivityFactoryValues(0x711);
    return t;
  }());
}

TEST(ProfileTable, ValuesOutsideAProfileAreRefused) {
  CProfileTable table = CProfileTable::Factory();
  const CProfileTable before = table;
  EXPECT_FALSE(table.SetValue(0, 5, 1));
  EXPECT_FALSE(table.SetValue(1, 53, 1));
  EXPECT_FALSE(table.SetValue(1, -1, 1));
  EXPECT_FALSE(table.SetValue(4, 0, 1));
  EXPECT_EQ(table, before);
  EXPECT_TRUE(table.SetValue(3, 52, 9));
  EXPECT_EQ(table.Entries(3)[52].value, 9);
}

}  // namespace
