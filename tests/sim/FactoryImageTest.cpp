#include <gtest/gtest.h>

#include <vector>

#include "sim/FactoryImage.h"

namespace {

struct Pair {
  int reg;
  int value;
};

// The factory profile tables, built from the register map's description:
// level and sensitivity registers, function codes, button parameters and
// macro-area headers of each custom profile.
std::vector<Pair> ProfileTable(int p, const int (&sensitivity)[4]) {
  const int levels[] = {0x00, 0x1212, 0x121B, 0x1224};
  const int firsts[] = {0x01, 0x1213, 0x121C, 0x1225};
  const int seconds[] = {0x122D, 0x1217, 0x1220, 0x1229};
  std::vector<Pair> table = {{levels[p], 0x20},
                             {firsts[p], sensitivity[0]},
                             {firsts[p] + 1, sensitivity[1]},
                             {seconds[p], sensitivity[2]},
                             {seconds[p] + 1, sensitivity[3]}};
  if (p == 0) return table;
  const int base = 50 * p - 43;
  const int codes[] = {0x01, 0x01, 0x01, 0x01, 0x11, 0x12};
  const int masks[] = {0x02, 0x04, 0x10, 0x08, 0x20, 0x40};
  for (int i = 0; i < 6; ++i) table.push_back({base + 1 + i, codes[i]});
  for (int i = 0; i < 6; ++i) {
    table.push_back({base + 14 + 4 * i, masks[i]});
    for (int k = 1; k < 4; ++k) table.push_back({base + 14 + 4 * i + k, 0});
  }
  const int macroBlock = 0x900 + 0x300 * (p - 1);
  for (int k = 0; k < 6; ++k) {
    const int area = macroBlock + 0x80 * k;
    table.insert(table.end(), {{area, 0x00}, {area + 1, 0x50}, {area + 2, 0x01}});
  }
  return table;
}

TEST(FactoryImage, AgreesWithTheFactoryProfileTables) {
  struct Generation {
    std::uint16_t version;
    int sensitivity[4];
  };
  const Generation generations[] = {{0x0704, {0x4D, 0xFD, 0x49, 0x5F}},
                                    {0x0709, {0x4D, 0xFD, 0x49, 0x5F}},
                                    {0x0710, {0x0B, 0x27, 0x0B, 0x27}},
                                    {0x0711, {0x0B, 0x27, 0x0B, 0x27}}};
  for (const Generation& g : generations) {
    const RegisterImage image = FactoryImage(g.version);
    for (int p = 0; p < 4; ++p) {
      const std::vector<Pair> table = ProfileTable(p, g.sensitivity);
      EXPECT_EQ(table.size(), p == 0 ? 5u : 53u);
      for (const Pair& e : table) {
        EXPECT_EQ(image[e.reg], e.value) << std::hex << g.version << " profile " << p << " register "
                                         << e.reg;
      }
    }
  }
}

TEST(FactoryImage, StandardProfileActiveAndIdentifiedByVersion) {
  struct Case {
    std::uint16_t version;
    int identification;
  };
  const Case cases[] = {{0x0603, 0x54}, {0x0604, 0x54}, {0x0704, 0x70}, {0x070C, 0x70},
                        {0x0801, 0x58}, {0x1001, 0xA2}, {0x1202, 0xA4}, {0x1301, 0x41}};
  for (const Case& c : cases) {
    const RegisterImage image = FactoryImage(c.version);
    EXPECT_EQ(image[0xA6], 0x00);
    EXPECT_EQ(image[0x06], 0x00);  // sensitivity groups not swapped
    EXPECT_EQ(image[0xBA], 0x6D);
    EXPECT_EQ(image[0xBB], c.identification) << std::hex << c.version;
  }
}

}  // namespace
