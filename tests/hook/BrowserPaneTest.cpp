// Tilts over a browser pane are taken out of the input stream by the
// low-level hook: the pane is clicked for the keyboard focus and the
// program is asked, through the window it recorded in the registry, to
// send arrow keys.
#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <string>
#include <vector>

#include "tests/hook/HookTestSupport.h"

namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

// The pane (0x10) is under the pointer; the program's window is 0x11.
struct BrowserUnderPointer : HookUnderTest {
  explicit BrowserUnderPointer(std::optional<std::string> paneClass = "Internet Explorer_Server") {
    fake.windowUnderCursor = fake.AddWindow(std::move(paneClass));
    fake.processHandle = static_cast<std::uint32_t>(fake.AddWindow("ProgramForm"));
  }
};

const char* const kFocusClick[] = {"post 10 201 0 fffbfffb", "post 10 202 0 fffbfffb"};

TEST(BrowserPane, TiltIsSwallowedAndHandedToTheProgram) {
  const struct {
    std::int16_t delta;
    const char* request;
    std::uint32_t flag;
  } cases[] = {{-120, "post 11 577 1 0", 1}, {120, "post 11 577 2 0", 0}};
  for (const auto& c : cases) {
    BrowserUnderPointer h;
    EXPECT_EQ(h.LowLevelTilt(c.delta), 1);
    EXPECT_THAT(h.fake.log, ElementsAre(kFocusClick[0], kFocusClick[1], c.request));
    EXPECT_EQ(h.directionFlag, c.flag);
  }
}

TEST(BrowserPane, ProgramWindowComesFromTheRegistry) {
  const struct {
    const char* name;
    bool keyExists;
    std::optional<std::uint32_t> value;
    std::vector<std::string> request;
    std::optional<std::uint32_t> valueAfter;
  } cases[] = {
      {"key missing: created, no window", false, std::nullopt, {}, 0},
      {"value recorded", true, 0x11, {"post 11 577 1 0"}, 0x11},
      {"value unreadable", true, std::nullopt, {}, std::nullopt},
      {"no window recorded", true, 0, {}, 0},
      {"handle widens with its sign", true, 0x80000011, {"post ffffffff80000011 577 1 0"},
       0x80000011},
  };
  for (const auto& c : cases) {
    BrowserUnderPointer h;
    h.fake.keyExists = c.keyExists;
    h.fake.processHandle = c.value;
    EXPECT_EQ(h.LowLevelTilt(-120), 1) << c.name;
    std::vector<std::string> expected(std::begin(kFocusClick), std::end(kFocusClick));
    expected.insert(expected.end(), c.request.begin(), c.request.end());
    EXPECT_THAT(h.fake.log, ElementsAreArray(expected)) << c.name;
    EXPECT_TRUE(h.fake.keyExists) << c.name;
    EXPECT_EQ(h.fake.processHandle, c.valueAfter) << c.name;
    EXPECT_FALSE(h.fake.keyOpen) << c.name;
  }
}

TEST(BrowserPane, OtherWindowsUnderThePointerGetTheTiltThemselves) {
  const struct {
    const char* name;
    std::optional<std::string> paneClass;
    bool pointerKnown;
    bool windowUnderPointer;
  } cases[] = {
      {"other class", "Internet Explorer_Server2", true, true},
      {"class unreadable", std::nullopt, true, true},
      {"no window there", "Internet Explorer_Server", true, false},
      {"pointer unknown", "Internet Explorer_Server", false, true},
  };
  for (const auto& c : cases) {
    BrowserUnderPointer h(c.paneClass);
    if (!c.pointerKnown) h.fake.cursor.reset();
    if (!c.windowUnderPointer) h.fake.windowUnderCursor = 0;
    EXPECT_EQ(h.LowLevelTilt(-120), FakeHookPlatform::kNextHookResult) << c.name;
    EXPECT_THAT(h.fake.log, ElementsAre("next 0 0 20e")) << c.name;
    EXPECT_EQ(h.directionFlag, 1u) << c.name;
  }
}

}  // namespace
