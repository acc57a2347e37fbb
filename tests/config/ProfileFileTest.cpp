#include <gtest/gtest.h>

#include <map>

#include "config/ProfileFile.h"
#include "config/ScriptMap.h"

namespace {

// A register image with every register's low address byte as its value,
// except where a test says otherwise.
struct Image {
  std::map<int, std::uint8_t> values;
  std::uint8_t operator()(int reg) const {
    auto it = values.find(reg);
    return it != values.end() ? it->second : static_cast<std::uint8_t>(reg & 0xFF);
  }
  RegisterReader Reader() const {
    return [this](int reg) { return (*this)(reg); };
  }
};

Image WithoutScripts() {
  Image image;
  for (int p = 1; p <= 3; ++p)
    for (int r = 50 * p - 43; r < 50 * p - 35; ++r) image.values[r] = 1;
  return image;
}

TEST(ProfileFile, StandardProfileCarriesItsFixedBlock) {
  Image image;
  auto file = WriteProfileFileBytes(0, image.Reader());
  ASSERT_TRUE(file);
  ASSERT_EQ(file->size(), 7u + 50 + 768 + 9);
  EXPECT_EQ((std::vector<std::uint8_t>(file->begin(), file->begin() + 7)),
            (std::vector<std::uint8_t>{0x6D, 0x54, 4, 0x3B, 0x03, 0, 0}));
  const std::map<int, std::uint8_t> fixed = {{7, 1},     {8, 1},     {9, 1},     {10, 1},
                                             {11, 1},    {12, 0x11}, {13, 0x12}, {14, 0x04},
                                             {17, 1},    {21, 2},    {25, 4},    {29, 8},
                                             {33, 0x10}, {45, 1},    {46, 3},    {47, 3},
                                             {48, 1}};
  for (int offset = 7; offset < 825; ++offset) {
    auto it = fixed.find(offset);
    EXPECT_EQ((*file)[static_cast<std::size_t>(offset)], it == fixed.end() ? 0 : it->second)
        << offset;
  }
  const std::vector<std::uint8_t> sensitivity(file->begin() + 825, file->end());
  EXPECT_EQ(sensitivity, (std::vector<std::uint8_t>{0x00, 0x01, 0x02, 0x03, 0x04, 0x2D, 0x2E,
                                                    0x2F, 0x30}));
}

TEST(ProfileFile, ScriptsOfTheButtonsFollowInAscendingOrder) {
  Image image = WithoutScripts();
  image.values[57 + 3] = 11;  // profile 2 uses script 4 ...
  image.values[57 + 1] = 8;   // ... and script 1
  image.values[0xA6] = 0x40;
  image.values[0x1203] = 3;  // script 1: three bytes
  image.values[0x1204] = 0;
  image.values[0x120C] = 0x01;  // script 4: 513 bytes, beyond its capacity
  image.values[0x120D] = 0x02;
  auto file = WriteProfileFileBytes(2, image.Reader());
  ASSERT_TRUE(file);
  EXPECT_EQ((*file)[5], 1);  // profile 2's flag is bit 6
  EXPECT_EQ((*file)[6], 0x12);
  const std::vector<std::uint8_t> scripts(file->begin() + 825, file->end() - 9);
  EXPECT_EQ(scripts, (std::vector<std::uint8_t>{0xAB, 3, 0, 0x05, 0x00, 0x01, 0x02,  // script 1
                                                0xAE, 0x01, 0x02, 0x0E}));          // header only
  EXPECT_EQ(file->size() - 7, std::size_t((*file)[3] + 256 * (*file)[4]));
}

TEST(ProfileFile, ReadingBackStoresEveryBlockIntoTheTargetProfile) {
  Image source = WithoutScripts();
  source.values[7 + 2] = 12;  // profile 1 uses script 5
  source.values[0x120F] = 2;
  source.values[0x1210] = 0;
  source.values[0xA6] = 0x20;
  auto file = WriteProfileFileBytes(1, source.Reader());
  ASSERT_TRUE(file);
  auto contents = ReadProfileFileBytes(3, *file);
  ASSERT_TRUE(contents);
  EXPECT_EQ(contents->profileFlag, true);
  std::map<int, std::uint8_t> stored;
  for (const RegisterValue& v : contents->stores) stored[v.reg] = v.value;
  for (int i = 0; i < 50; ++i) EXPECT_EQ(stored.at(107 + i), source(7 + i)) << i;
  for (int i = 0; i < 768; ++i) EXPECT_EQ(stored.at(0xF00 + i), source(0x900 + i)) << i;
  EXPECT_EQ(stored.at(0xAF), source(0xAF));
  EXPECT_EQ(stored.at(0x700), source(0x700));
  EXPECT_EQ(stored.at(0x701), source(0x701));
  EXPECT_EQ(stored.count(0x702), 0u);
  EXPECT_EQ(stored.at(0x1224), source(0x1212));  // sensitivity into profile 3's registers
  EXPECT_EQ(stored.at(0x122C), source(0x121A));
  EXPECT_EQ(contents->stores.size(), 50u + 768 + 4 + 2 + 9);
}

TEST(ProfileFile, StandardProfileTakesOnlyScriptsAndSensitivity) {
  Image source = WithoutScripts();
  source.values[7] = 7;
  source.values[0x1200] = 1;
  source.values[0x1201] = 0;
  auto file = WriteProfileFileBytes(1, source.Reader());
  auto contents = ReadProfileFileBytes(0, *file);
  ASSERT_TRUE(contents);
  EXPECT_FALSE(contents->profileFlag);
  for (const RegisterValue& v : contents->stores)
    EXPECT_TRUE(v.reg == 0xAA || (v.reg >= 0x1200 && v.reg <= 0x1202) || v.reg == 0x100 ||
                v.reg <= 4 || (v.reg >= 0x122D && v.reg <= 0x1230))
        << std::hex << v.reg;
}

TEST(ProfileFile, VersionTwoLeavesSensitivityAlone) {
  std::vector<std::uint8_t> file{0x6D, 0x54, 2, 0x32, 0x03, 0, 0};
  file.resize(7 + 818, 0x09);
  auto contents = ReadProfileFileBytes(1, file);
  ASSERT_TRUE(contents);
  EXPECT_EQ(contents->stores.size(), 818u);
  EXPECT_EQ(contents->stores.back().reg, 0xBFF);
}

// Files the reader refuses whole, leaving every register as it was.
TEST(ProfileFile, BadFilesAreRefused) {
  Image image = WithoutScripts();
  image.values[8] = 7;
  image.values[0x1200] = 2;
  image.values[0x1201] = 0;
  const std::vector<std::uint8_t> good = *WriteProfileFileBytes(1, image.Reader());
  auto with = [&](auto change) {
    std::vector<std::uint8_t> file = good;
    change(file);
    return file;
  };
  struct Case {
    const char* name;
    std::vector<std::uint8_t> file;
  };
  const Case cases[] = {
      {"short header", {0x6D, 0x54, 4, 0, 0, 0}},
      {"wrong magic", with([](auto& f) { f[1] = 0x55; })},
      {"version 3", with([](auto& f) { f[2] = 3; })},
      {"payload beyond the buffer", with([](auto& f) { f[3] = 0xFA; f[4] = 0x1F; })},
      {"file shorter than its payload", with([](auto& f) { f.pop_back(); })},
      {"payload shorter than its blocks", with([](auto& f) {
         f.resize(f.size() - 9);
         f[3] = static_cast<std::uint8_t>((f.size() - 7) & 0xFF);
         f[4] = static_cast<std::uint8_t>((f.size() - 7) >> 8);
       })},
      {"script announced but missing", with([](auto& f) { f[6] = 0x3F; })},
  };
  for (const Case& c : cases) EXPECT_FALSE(ReadProfileFileBytes(1, c.file)) << c.name;
  EXPECT_TRUE(ReadProfileFileBytes(1, good));
  EXPECT_FALSE(ReadProfileFileBytes(4, good));
}

TEST(ProfileFile, ProfileFlagKeepsTheOtherBits) {
  EXPECT_EQ(WithProfileFlag(0x81, 2, true), 0xC1);
  EXPECT_EQ(WithProfileFlag(0xE1, 1, false), 0xC1);
}

}  // namespace
