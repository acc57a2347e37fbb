#include <gtest/gtest.h>

#include <map>

#include "platform/VirtualClock.h"
#include "sim/VirtualMouseOptions.h"

namespace {

using Environment = std::map<std::string, std::u16string>;

std::optional<SVirtualMouseOptions> Read(const Environment& environment, std::string& problems) {
  return ReadVirtualMouseOptions(
      [&](std::string_view name) -> std::optional<std::u16string> {
        const auto found = environment.find(std::string(name));
        if (found == environment.end()) return std::nullopt;
        return found->second;
      },
      problems);
}

TEST(VirtualMouseOptions, OnlyTheStateFileSelectsVirtualMice) {
  std::string problems;
  EXPECT_EQ(Read({}, problems), std::nullopt);
  EXPECT_EQ(Read({{"MIREL_VIRTUAL_MOUSE", u""}, {"MIREL_VIRTUAL_MOUSE_VERSION", u"0711"}}, problems),
            std::nullopt);
  const auto options = Read({{"MIREL_VIRTUAL_MOUSE", u"a.state"}}, problems);
  ASSERT_TRUE(options.has_value());
  EXPECT_EQ(options->stateFile, std::filesystem::path("a.state"));
  EXPECT_EQ(options->version, 0x0704);
  EXPECT_TRUE(options->secondStateFile.empty());
  EXPECT_TRUE(problems.empty());
}

TEST(VirtualMouseOptions, ReadsVersionSecondMouseAndFaults) {
  std::string problems;
  const auto options = Read({{"MIREL_VIRTUAL_MOUSE", u"a.state"},
                             {"MIREL_VIRTUAL_MOUSE_VERSION", u"0x0710"},
                             {"MIREL_VIRTUAL_MOUSE_SECOND", u"b.state"},
                             {"MIREL_VIRTUAL_MOUSE_FAULTS", u"fail-get=3,latency-ms=5"}},
                            problems);
  ASSERT_TRUE(options.has_value());
  EXPECT_EQ(options->version, 0x0710);
  EXPECT_EQ(options->secondStateFile, std::filesystem::path("b.state"));
  EXPECT_EQ(options->faults,
            (std::vector<std::pair<std::string, int>>{{"fail-get", 3}, {"latency-ms", 5}}));
  EXPECT_TRUE(problems.empty());
}

TEST(VirtualMouseOptions, BadValuesAreNamedAndDefaulted) {
  std::string problems;
  const auto options = Read({{"MIREL_VIRTUAL_MOUSE", u"a.state"},
                             {"MIREL_VIRTUAL_MOUSE_VERSION", u"7x4"},
                             {"MIREL_VIRTUAL_MOUSE_FAULTS", u"fail-get,wrong-echo=2,latency-ms=-"}},
                            problems);
  ASSERT_TRUE(options.has_value());
  EXPECT_EQ(options->version, 0x0704);
  EXPECT_EQ(options->faults, (std::vector<std::pair<std::string, int>>{{"wrong-echo", 2}}));
  EXPECT_NE(problems.find("MIREL_VIRTUAL_MOUSE_VERSION"), std::string::npos);
  EXPECT_NE(problems.find("\"fail-get\""), std::string::npos);
  EXPECT_NE(problems.find("\"latency-ms=-\""), std::string::npos);
}

TEST(VirtualMouseOptions, MakesTheMiceWithTheirStateFiles) {
  const auto dir = std::filesystem::temp_directory_path() / "mirel-options-test";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  SVirtualMouseOptions options;
  options.stateFile = dir / "first.state";
  options.secondStateFile = dir / "second.state";
  options.version = 0x0711;
  options.faults = {{"fail-open", 1}, {"no-such-fault", 1}};
  VirtualClock clock;
  std::string problems;
  const auto mice = MakeVirtualMice(options, clock, problems);

  const auto paths = mice->EnumerateInterfaces(HidClass::Mouse, 127);
  ASSERT_EQ(paths->size(), 4u);  // two mice, two collections each
  EXPECT_NE((*paths)[2].find(u"vid_5d93&pid_46b8"), std::u16string::npos);
  EXPECT_EQ(mice->Open((*paths)[0], HidAccess::QueryOnly), kInvalidHidHandle);
  EXPECT_TRUE(std::filesystem::exists(options.stateFile));
  EXPECT_TRUE(std::filesystem::exists(options.secondStateFile));
  EXPECT_NE(problems.find("no-such-fault"), std::string::npos);
  std::filesystem::remove_all(dir);
}

}  // namespace
