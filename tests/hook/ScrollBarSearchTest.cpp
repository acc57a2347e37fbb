// The two searches for a pane's horizontal scroll bar and the clicks on its
// ends. Browser-like panes take the second bar found ("ScrollBar" or
// "NUIScrollbar"), falling back to the only one; file-manager panes take
// the first "ScrollBar".
#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <string>
#include <vector>

#include "tests/hook/HookTestSupport.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

struct Bar {
  std::string className;
  bool visible = true;
  bool nested = false;  // inside a container child of the pane
};

// Bar i spans x = 100·i .. 100·i + 50, y = 0 .. 20; a click on its left end
// lands at (100·i + 8, 8).
struct PaneUnderTest : HookUnderTest {
  PaneUnderTest(const std::string& targetClass, const std::vector<Bar>& bars) {
    const WindowHandle pane = fake.AddWindow("Pane");
    target = fake.AddWindow(targetClass, pane);
    int i = 0;
    for (const Bar& bar : bars) {
      const WindowHandle parent = bar.nested ? fake.AddWindow("Container", pane) : pane;
      fake.AddWindow(bar.className, parent, {100 * i, 0, 100 * i + 50, 20}, bar.visible);
      ++i;
    }
    directionFlag = 1;
  }
  WindowHandle target = 0;
};

struct SearchCase {
  const char* name;
  std::vector<Bar> bars;
  int clicked;  // index of the bar clicked; -1: none, the tilt goes on
};

void ExpectClicks(const std::string& targetClass, const std::vector<SearchCase>& cases) {
  for (const SearchCase& c : cases) {
    PaneUnderTest h(targetClass, c.bars);
    const std::intptr_t result = h.Tilt(h.target);
    if (c.clicked < 0) {
      EXPECT_EQ(result, 0) << targetClass << ": " << c.name;
      EXPECT_THAT(h.fake.log, IsEmpty()) << targetClass << ": " << c.name;
      continue;
    }
    EXPECT_EQ(result, 1) << targetClass << ": " << c.name;
    EXPECT_THAT(h.fake.log, ElementsAre("cursor " + std::to_string(100 * c.clicked + 8) + ",8",
                                        "button down", "button up", "cursor 500,400"))
        << targetClass << ": " << c.name;
  }
}

TEST(ScrollBarSearch, SecondMatchSearchClicksTheSecondOrOnlyBar) {
  const std::vector<SearchCase> cases = {
      {"no bar", {}, -1},
      {"one ScrollBar", {{"ScrollBar"}}, 0},
      {"one NUIScrollbar", {{"NUIScrollbar"}}, 0},
      {"two bars", {{"ScrollBar"}, {"ScrollBar"}}, 1},
      {"mixed classes", {{"NUIScrollbar"}, {"ScrollBar"}}, 1},
      {"three bars", {{"ScrollBar"}, {"ScrollBar"}, {"ScrollBar"}}, 1},
      {"bar deeper down", {{"ScrollBar"}, {"ScrollBar", true, true}}, 1},
      {"other classes only", {{"Static"}, {"scrollbar"}}, -1},
      {"only bar invisible", {{"ScrollBar", false}}, -1},
      {"second bar invisible", {{"ScrollBar"}, {"ScrollBar", false}}, -1},
      {"first bar invisible", {{"ScrollBar", false}, {"ScrollBar"}}, 1},
  };
  ExpectClicks("Internet Explorer_Server", cases);
  ExpectClicks("paneClassDC", cases);
}

TEST(ScrollBarSearch, FirstScrollBarSearchClicksTheFirstScrollBar) {
  ExpectClicks("DirectUIHWND", {
                                   {"no bar", {}, -1},
                                   {"one ScrollBar", {{"ScrollBar"}}, 0},
                                   {"NUIScrollbar ignored", {{"NUIScrollbar"}}, -1},
                                   {"after an NUIScrollbar", {{"NUIScrollbar"}, {"ScrollBar"}}, 1},
                                   {"two bars", {{"ScrollBar"}, {"ScrollBar"}}, 0},
                                   {"bar deeper down", {{"ScrollBar", true, true}}, 0},
                                   {"first invisible", {{"ScrollBar", false}, {"ScrollBar"}}, -1},
                               });
}

TEST(ScrollBarSearch, TiltToTheRightClicksTheRightEndPerLine) {
  PaneUnderTest h("Internet Explorer_Server", {{"ScrollBar"}});
  h.directionFlag = 0;
  h.fake.wheelScrollLines = 2;
  EXPECT_EQ(h.Tilt(h.target), 1);
  EXPECT_THAT(h.fake.log, ElementsAre("cursor 42,12", "button down", "button up", "button down",
                                      "button up", "cursor 500,400"));
}

TEST(ScrollBarSearch, PointerPositionUnknownLeavesTheTiltAlone) {
  PaneUnderTest h("Internet Explorer_Server", {{"ScrollBar"}});
  h.fake.cursor.reset();
  EXPECT_EQ(h.Tilt(h.target), 0);
  EXPECT_THAT(h.fake.log, IsEmpty());
}

// Word's pane posts to its parent with the bar of the second-match search,
// found or not and visible or not.
TEST(ScrollBarSearch, WordPanePassesTheSecondMatchToItsParent) {
  const struct {
    const char* name;
    std::vector<Bar> bars;
    const char* posted;
  } cases[] = {
      {"no bar", {}, "post 10 114 0 0"},
      {"one bar", {{"ScrollBar"}}, "post 10 114 0 12"},
      {"two bars", {{"ScrollBar"}, {"ScrollBar", false}}, "post 10 114 0 13"},
  };
  for (const auto& c : cases) {
    PaneUnderTest h("_WwG", c.bars);
    EXPECT_EQ(h.Tilt(h.target), 1) << c.name;
    EXPECT_THAT(h.fake.log, ElementsAre(c.posted)) << c.name;
  }
}

}  // namespace
