// Spreadsheet panes get arrow keys under Scroll Lock, which moves their view
// instead of their selection; Scroll Lock ends as it was found.
#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <string>
#include <vector>

#include "tests/hook/HookTestSupport.h"

namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

std::vector<std::string> Presses(const std::string& key, int times) {
  std::vector<std::string> log;
  for (int i = 0; i < times; ++i) {
    log.push_back("key " + key + " down");
    log.push_back("key " + key + " up");
  }
  return log;
}

TEST(HookKeys, SwitchesScrollLockOnAroundTheArrowsWhenItWasOff) {
  HookUnderTest h;
  h.fake.wheelScrollLines = 3;
  const WindowHandle sheet = h.fake.AddWindow("EXCEL7");
  EXPECT_EQ(h.Tilt(sheet), 1);
  std::vector<std::string> expected = {"key 91 down ext", "key 91 up ext"};
  for (const std::string& line : Presses("27", 3)) expected.push_back(line);
  expected.push_back("key 91 down ext");
  expected.push_back("key 91 up ext");
  EXPECT_THAT(h.fake.log, ElementsAreArray(expected));
  EXPECT_FALSE(h.fake.scrollLock);
}

TEST(HookKeys, LeavesScrollLockAloneWhenItIsOn) {
  HookUnderTest h;
  h.fake.wheelScrollLines = 3;
  h.fake.scrollLock = true;
  h.directionFlag = 1;
  EXPECT_EQ(h.Tilt(h.fake.AddWindow("EXCEL7")), 1);
  EXPECT_THAT(h.fake.log, ElementsAreArray(Presses("25", 3)));
  EXPECT_TRUE(h.fake.scrollLock);
}

// From NT 6.0 on the low-level hook's flag gives the direction; before, the
// message's own wheel delta does.
TEST(HookKeys, DirectionComesFromTheFlagOrFromTheDelta) {
  using P = OsVersion::Platform;
  const struct {
    OsVersion os;
    std::uint32_t flag;
    std::int16_t delta;
    const char* key;
  } cases[] = {
      {{P::NT, 10, 0}, 0, -120, "27"}, {{P::NT, 10, 0}, 1, 120, "25"},
      {{P::NT, 6, 0}, 1, 120, "25"},   {{P::NT, 5, 1}, 1, 120, "27"},
      {{P::NT, 5, 1}, 0, -120, "25"},  {{P::NT, 5, 1}, 0, 0, "27"},
  };
  for (const auto& c : cases) {
    HookUnderTest h;
    h.fake.scrollLock = true;
    h.fake.osVersion = c.os;
    h.directionFlag = c.flag;
    h.Tilt(h.fake.AddWindow("EXCEL7"), c.delta);
    EXPECT_THAT(h.fake.log, ElementsAreArray(Presses(c.key, 1)))
        << c.os.major << "." << c.os.minor << " flag " << c.flag << " delta " << c.delta;
  }
}

}  // namespace
