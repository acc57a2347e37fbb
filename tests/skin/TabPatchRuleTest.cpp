#include "skin/TabPatchRule.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

enum class Before { Nothing, Leave, NewPatch, KeepOff };

struct Repaint {
  Before before;
  bool underMouse;
  bool pressedImage;
  SPatchStart start;
  bool putBack;
};

constexpr SPatchStart kUntouched{false, false};
constexpr SPatchStart kKeep{true, false};
constexpr SPatchStart kCopyAndKeep{true, true};

struct Story {
  const char* name;
  std::vector<Repaint> repaints;
};

void Play(const Story& story) {
  SCOPED_TRACE(story.name);
  CTabPatchRule rule;
  int step = 0;
  for (const Repaint& r : story.repaints) {
    SCOPED_TRACE(step++);
    if (r.before == Before::Leave) rule.Leave();
    if (r.before == Before::NewPatch) rule.RequestNewPatch();
    if (r.before == Before::KeepOff) rule.SetKeep(false);
    EXPECT_EQ(rule.Begin(r.underMouse), r.start);
    rule.Drew(r.pressedImage);
    EXPECT_EQ(rule.End(), r.putBack);
  }
}

}  // namespace

TEST(TabPatchRule, CopiesOnceUnderTheMouseAndAgainOnlyWhenAskedTo) {
  Play({"hover", {{Before::Nothing, true, false, kCopyAndKeep, true},
                  {Before::Nothing, true, false, kKeep, true},
                  {Before::NewPatch, true, false, kCopyAndKeep, true},
                  {Before::Nothing, true, false, kKeep, true}}});
}

TEST(TabPatchRule, AwayFromTheMouseOnlyTheRepaintAfterLeavingKeepsThePatch) {
  Play({"leave", {{Before::Nothing, false, false, kUntouched, false},
                  {Before::Leave, false, false, kCopyAndKeep, true},
                  {Before::Nothing, false, false, kUntouched, false},
                  {Before::Leave, true, false, kKeep, true},    // still pending
                  {Before::Nothing, false, false, kKeep, true},  // now restored
                  {Before::Nothing, false, false, kUntouched, false}}});
}

TEST(TabPatchRule, ThePressedImageCoversThePatchUntilTheNextKeptRepaint) {
  Play({"press under mouse", {{Before::Nothing, true, true, kCopyAndKeep, false},
                              {Before::Nothing, true, false, kKeep, true}}});
  Play({"selected tab away from the mouse",
        {{Before::Nothing, false, true, kUntouched, false},
         {Before::Nothing, true, false, kUntouched, false},  // only clears pressed
         {Before::Nothing, true, false, kCopyAndKeep, true}}});
  Play({"pressed then left", {{Before::Nothing, true, true, kCopyAndKeep, false},
                              {Before::Nothing, false, true, kUntouched, false},
                              {Before::Leave, false, false, kUntouched, false},
                              {Before::Leave, false, false, kKeep, true}}});
}

TEST(TabPatchRule, WithoutKeepThePatchIsPaintedOver) {
  Play({"keep off", {{Before::KeepOff, true, false, kUntouched, false},
                     {Before::Leave, false, false, kUntouched, false}}});
}
