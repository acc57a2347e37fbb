#include "hook/WheelRepeatCount.h"

#include <gtest/gtest.h>

#include "hook/HookOsCode.h"

namespace {

TEST(WheelRepeatCount, FollowsScrollLinesWithinOneToThirty) {
  const struct {
    std::optional<std::uint32_t> lines;
    int count;
  } cases[] = {
      {0, 1},   {1, 1},   {3, 3},   {29, 29}, {30, 30},
      {50, 30}, {100, 30}, {0xFFFFFFFF, 30},  // the page-wise setting
      {std::nullopt, 3},                      // setting unreadable: the system default
  };
  for (const auto& c : cases)
    EXPECT_EQ(WheelRepeatCount(c.lines), c.count) << c.lines.value_or(12345);
}

TEST(HookOsCode, ClassifiesVersions) {
  using P = OsVersion::Platform;
  const struct {
    std::optional<OsVersion> version;
    std::uint16_t code;
  } cases[] = {
      {OsVersion{P::Windows9x, 4, 0}, 0}, {OsVersion{P::Windows9x, 4, 10}, 2},
      {OsVersion{P::Windows9x, 4, 90}, 3}, {OsVersion{P::Windows9x, 4, 20}, 7},
      {OsVersion{P::NT, 3, 51}, 4},       {OsVersion{P::NT, 4, 0}, 5},
      {OsVersion{P::NT, 5, 0}, 5},        {OsVersion{P::NT, 5, 1}, 7},
      {OsVersion{P::NT, 6, 0}, 8},        {OsVersion{P::NT, 6, 1}, 9},
      {OsVersion{P::NT, 10, 0}, 9},       {OsVersion{P::NT, 2, 0}, 9},
      {OsVersion{P::Other, 6, 0}, 7},     {std::nullopt, 7},
  };
  for (const auto& c : cases) {
    const OsVersion v = c.version.value_or(OsVersion{P::Other, 0, 0});
    EXPECT_EQ(HookOsCode(c.version), c.code)
        << int(v.platform) << " " << v.major << "." << v.minor << " known " << c.version.has_value();
  }
}

}  // namespace
