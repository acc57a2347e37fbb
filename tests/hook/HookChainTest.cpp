// What the two hook procedures pass on, and the direction flag through
// which the low-level hook tells every process's mouse hook where a tilt
// went.
#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include "tests/hook/HookTestSupport.h"

namespace {

using ::testing::ElementsAre;

constexpr std::uintptr_t kWmMouseMove = 0x0200;
constexpr std::uintptr_t kWmMouseWheel = 0x020A;

HookHandle Handle(std::uintptr_t value) { return reinterpret_cast<HookHandle>(value); }

TEST(HookChain, EverythingButTiltsIsPassedOnUntouched) {
  HookUnderTest h;
  h.Hook().LinkNextHook(Handle(0xA), Handle(0xB));
  h.directionFlag = 1;
  const WindowHandle window = h.fake.AddWindow("Notepad");
  const MouseHookEvent event{window, HookUnderTest::WheelData(120)};
  const std::uint32_t mouseData = HookUnderTest::WheelData(120);
  const auto eventParam = reinterpret_cast<std::intptr_t>(&event);
  const auto dataParam = reinterpret_cast<std::intptr_t>(&mouseData);

  EXPECT_EQ(h.Hook().MouseProc(0, kWmMouseWheel, eventParam), FakeHookPlatform::kNextHookResult);
  EXPECT_EQ(h.Hook().MouseProc(0, kWmMouseMove, eventParam), FakeHookPlatform::kNextHookResult);
  EXPECT_EQ(h.Hook().MouseProc(-1, kWmMouseHWheel, eventParam), FakeHookPlatform::kNextHookResult);
  EXPECT_EQ(h.Hook().LLMouseProc(0, kWmMouseWheel, dataParam), FakeHookPlatform::kNextHookResult);
  EXPECT_EQ(h.Hook().LLMouseProc(-1, kWmMouseHWheel, dataParam), FakeHookPlatform::kNextHookResult);
  EXPECT_THAT(h.fake.log, ElementsAre("next a 0 20a", "next a 0 200", "next a -1 20e",
                                      "next b 0 20a", "next b -1 20e"));
  EXPECT_EQ(h.directionFlag, 1u);
}

TEST(HookChain, LinkingChangesTheHandlesPassedOn) {
  HookUnderTest h;
  const std::uint32_t mouseData = 0;
  const auto param = reinterpret_cast<std::intptr_t>(&mouseData);
  h.Hook().LLMouseProc(0, kWmMouseWheel, param);
  h.Hook().LinkNextHook(Handle(0xA), Handle(0xB));
  h.Hook().LLMouseProc(0, kWmMouseWheel, param);
  h.Hook().LinkNextLLHook(Handle(0xC));
  h.Hook().LLMouseProc(0, kWmMouseWheel, param);
  h.Hook().MouseProc(0, kWmMouseWheel, param);
  h.Hook().UnLinkHook();
  h.Hook().MouseProc(0, kWmMouseWheel, param);
  EXPECT_THAT(h.fake.log, ElementsAre("next 0 0 20a", "next b 0 20a", "next c 0 20a",
                                      "next a 0 20a", "next 0 0 20a"));
}

// Two objects on one flag stand for the program's process and a target's.
TEST(HookChain, LowLevelTiltSetsTheDirectionTheMouseHookScrollsIn) {
  HookUnderTest program;
  HookUnderTest target;
  const WindowHandle window = target.fake.AddWindow("Notepad");
  CHook targetHook(&target.fake, &program.directionFlag);
  const MouseHookEvent event{window, 0};
  const auto param = reinterpret_cast<std::intptr_t>(&event);

  EXPECT_EQ(program.LowLevelTilt(-120), FakeHookPlatform::kNextHookResult);
  EXPECT_EQ(program.directionFlag, 1u);
  EXPECT_EQ(targetHook.MouseProc(0, kWmMouseHWheel, param), 1);
  EXPECT_EQ(program.LowLevelTilt(120), FakeHookPlatform::kNextHookResult);
  EXPECT_EQ(program.directionFlag, 0u);
  EXPECT_EQ(targetHook.MouseProc(0, kWmMouseHWheel, param), 1);
  EXPECT_THAT(target.fake.log, ElementsAre("post 10 114 0 0", "post 10 114 1 0"));
}

}  // namespace
