// Which emulation a tilt gets, chosen by the class of the window it is for.
#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <sstream>
#include <string>
#include <vector>

#include "tests/hook/HookTestSupport.h"

namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

using Log = std::vector<std::string>;

// A pane (0x10) holding the target window (0x11) and, after it, a vertical
// (0x12) and a horizontal (0x13) scroll bar. Tilts go left, one line each.
struct PaneWithBars : HookUnderTest {
  explicit PaneWithBars(std::optional<std::string> targetClass) {
    pane = fake.AddWindow("Pane");
    target = fake.AddWindow(std::move(targetClass), pane);
    fake.AddWindow("ScrollBar", pane, {0, 0, 20, 200});
    fake.AddWindow("ScrollBar", pane, {0, 200, 300, 220});
    directionFlag = 1;
    fake.scrollLock = true;
  }
  WindowHandle pane = 0;
  WindowHandle target = 0;
};

TEST(HookDispatch, ChoosesTheEmulationByExactClassName) {
  const Log scrollTarget = {"post 11 114 0 0"};
  const Log clickSecondBar = {"cursor 8,208", "button down", "button up", "cursor 500,400"};
  const Log clickFirstBar = {"cursor 8,8", "button down", "button up", "cursor 500,400"};
  const struct {
    std::optional<std::string> className;
    std::intptr_t result;
    Log log;
  } cases[] = {
      {"SysListView32", 0, {}},
      {std::nullopt, 1, scrollTarget},  // class unreadable: the default method
      {"Notepad", 1, scrollTarget},
      {"syslistview32", 1, scrollTarget},
      {"SysListView32 ", 1, scrollTarget},
      {"_WwG", 1, {"post 10 114 0 13"}},
      {"EXCEL7", 1, {"key 25 down", "key 25 up"}},
      {"Internet Explorer_Server", 1, clickSecondBar},
      {"paneClassDC", 1, clickSecondBar},
      {"DirectUIHWND", 1, clickFirstBar},
  };
  for (const auto& c : cases) {
    PaneWithBars h(c.className);
    EXPECT_EQ(h.Tilt(h.target), c.result) << c.className.value_or("(unreadable)");
    EXPECT_THAT(h.fake.log, ElementsAreArray(c.log)) << c.className.value_or("(unreadable)");
  }
}

TEST(HookDispatch, RepeatsByWheelLinesInTheFlaggedDirection) {
  PaneWithBars h("Notepad");
  h.directionFlag = 0;
  h.fake.wheelScrollLines = 3;
  EXPECT_EQ(h.Tilt(h.target), 1);
  EXPECT_THAT(h.fake.log, ElementsAre("post 11 114 1 0", "post 11 114 1 0", "post 11 114 1 0"));
}

TEST(HookDispatch, WordPaneWithoutParentPassesTheTiltOn) {
  HookUnderTest h;
  const WindowHandle orphan = h.fake.AddWindow("_WwG");
  EXPECT_EQ(h.Tilt(orphan), 0);
  EXPECT_THAT(h.fake.log, IsEmpty());
}

// The default method passes a child as the scroll bar: the only child
// whatever its class, else a scroll bar second in line, else none.
TEST(HookDispatch, DefaultMethodPassesTheBarItFindsAmongTheChildren) {
  const struct {
    std::vector<std::optional<std::string>> children;
    int passed;  // index into children; -1: none
  } cases[] = {
      {{}, -1},
      {{"Edit"}, 0},
      {{std::nullopt}, 0},
      {{"Edit", "ScrollBar"}, 1},
      {{"Edit", "NUIScrollbar"}, 1},
      {{"Edit", "Static"}, -1},
      {{"Edit", std::nullopt}, -1},
      {{"ScrollBar", "Edit"}, -1},
      {{"Edit", "ScrollBar", "ScrollBar"}, 1},
  };
  for (const auto& c : cases) {
    HookUnderTest h;
    h.directionFlag = 1;
    const WindowHandle window = h.fake.AddWindow("AppWindow");
    std::vector<WindowHandle> children;
    for (const auto& name : c.children) children.push_back(h.fake.AddWindow(name, window));
    const WindowHandle expected = c.passed < 0 ? 0 : children[c.passed];
    h.Tilt(window);
    std::ostringstream line;
    line << "post 10 114 0 " << std::hex << expected;
    EXPECT_THAT(h.fake.log, ElementsAre(line.str())) << "case with " << c.children.size()
                                                     << " children, expecting " << c.passed;
  }
}

}  // namespace
