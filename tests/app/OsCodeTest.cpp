#include <gtest/gtest.h>

#include "app/OsCode.h"

namespace {

using P = WindowsVersion::Platform;

struct OsCase {
  P platform;
  std::uint32_t major, minor;
  std::uint16_t code;
};

const OsCase kCases[] = {
    {P::Windows9x, 4, 0, 0},  {P::Windows9x, 4, 10, 2}, {P::Windows9x, 4, 90, 3},
    {P::Windows9x, 4, 20, 7}, {P::Windows9x, 5, 0, 7},  {P::NT, 3, 51, 4},
    {P::NT, 4, 0, 5},         {P::NT, 5, 0, 5},         {P::NT, 5, 1, 7},
    {P::NT, 5, 2, 7},         {P::NT, 6, 0, 8},         {P::NT, 6, 1, 9},
    {P::NT, 6, 3, 9},         {P::NT, 10, 0, 9},        {P::NT, 2, 0, 7},
    {P::Other, 6, 1, 7},
};

TEST(OsCode, ClassifiesVersions) {
  for (const OsCase& c : kCases) {
    EXPECT_EQ(ComputeOsCode(WindowsVersion{c.platform, c.major, c.minor}), c.code)
        << int(c.platform) << " " << c.major << "." << c.minor;
  }
}

TEST(OsCode, FailedQueryIsSeven) { EXPECT_EQ(ComputeOsCode(std::nullopt), 7); }

}  // namespace
