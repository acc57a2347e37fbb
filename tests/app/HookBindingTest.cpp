#include "app/HookBinding.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

void* Address(std::uintptr_t value) { return reinterpret_cast<void*>(value); }

// A host whose library, exports and hooks are numbers; everything the
// binding does lands in `log`. The library is 1, its exports 0x10.. in the
// order looked up, a hook the kind's number plus 0x100.
class FakeHookHost final : public HookHost {
 public:
  bool libraryPresent = true;
  std::set<std::string> missingExports;
  std::set<HookKind> failingHooks;
  std::optional<std::uint32_t> wheelScrollLines = 3;
  std::vector<std::string> log;

  void* LoadHookModule() override {
    log.push_back("load");
    return libraryPresent ? Address(1) : nullptr;
  }
  void* FindExport(void*, const char* name) override {
    log.push_back(std::string("find ") + name);
    if (missingExports.count(name) != 0) return nullptr;
    return Address(0x10 + nextExport_++);
  }
  void* InstallHook(HookKind kind, void* procedure, void* library) override {
    log.push_back("install " + std::to_string(int(kind)) + " " + Text(procedure) + " " +
                  Text(library));
    return failingHooks.count(kind) != 0 ? nullptr : Address(0x100 + int(kind));
  }
  void CallLink(void* link, void* mouseHook, void* lowLevelHook) override {
    log.push_back("link " + Text(link) + " " + Text(mouseHook) + " " + Text(lowLevelHook));
  }
  void RemoveHook(void* hook) override { log.push_back("remove " + Text(hook)); }
  void FreeHookModule(void* library) override { log.push_back("free " + Text(library)); }

  std::optional<std::uint32_t> WheelScrollLines() override { return wheelScrollLines; }
  std::uint32_t ScanCode(std::uint32_t virtualKey) override { return virtualKey + 0x100; }
  void KeyEvent(std::uint32_t virtualKey, std::uint32_t scanCode, bool up) override {
    std::string line = "key " + std::to_string(virtualKey) + (up ? " up" : " down");
    if (scanCode != virtualKey + 0x100) line += " wrong-scan";
    log.push_back(line);
  }

 private:
  static std::string Text(void* value) {
    return std::to_string(reinterpret_cast<std::uintptr_t>(value));
  }
  int nextExport_ = 0;
};

TEST(HookBinding, LoadsOnlyFromNt6On) {
  EXPECT_FALSE(CHookBinding::IsWantedFor(7));
  EXPECT_TRUE(CHookBinding::IsWantedFor(8));
  EXPECT_TRUE(CHookBinding::IsWantedFor(9));
}

// Binding stops at the first failure keeping what was done; unbinding
// undoes exactly that.
TEST(HookBinding, UnbindsWhatEachPartialBindLeft) {
  const struct {
    const char* name;
    bool libraryPresent;
    std::set<std::string> missingExports;
    std::set<HookHost::HookKind> failingHooks;
    int result;
    std::vector<std::string> load;
    std::vector<std::string> unload;
  } cases[] = {
      {"library missing", false, {}, {}, 0, {"load"}, {}},
      {"no mouse procedure", true, {"_MouseProc@12"}, {}, 0,
       {"load", "find _MouseProc@12"}, {"free 1"}},
      {"no low-level procedure", true, {"_LLMouseProc@12"}, {}, 0,
       {"load", "find _MouseProc@12", "install 7 16 1", "find _LLMouseProc@12"},
       {"remove 263", "free 1"}},
      {"no link function", true, {"LinkNextHook"}, {}, 0,
       {"load", "find _MouseProc@12", "install 7 16 1", "find _LLMouseProc@12",
        "install 14 17 1", "find LinkNextHook"},
       {"remove 263", "remove 270", "free 1"}},
      {"mouse hook refused", true, {}, {HookHost::HookKind::Mouse}, 1,
       {"load", "find _MouseProc@12", "install 7 16 1", "find _LLMouseProc@12",
        "install 14 17 1", "find LinkNextHook", "link 18 0 270"},
       {"remove 270", "free 1"}},
      {"everything bound", true, {}, {}, 1,
       {"load", "find _MouseProc@12", "install 7 16 1", "find _LLMouseProc@12",
        "install 14 17 1", "find LinkNextHook", "link 18 263 270"},
       {"remove 263", "remove 270", "free 1"}},
  };
  for (const auto& c : cases) {
    FakeHookHost host;
    host.libraryPresent = c.libraryPresent;
    host.missingExports = c.missingExports;
    host.failingHooks = c.failingHooks;
    CHookBinding binding(host);
    EXPECT_EQ(binding.LoadHookLibrary(), c.result) << c.name;
    EXPECT_THAT(host.log, ElementsAreArray(c.load)) << c.name;
    host.log.clear();
    EXPECT_EQ(binding.UnloadHookLibrary(), 1) << c.name;
    EXPECT_THAT(host.log, ElementsAreArray(c.unload)) << c.name;
    host.log.clear();
    binding.UnloadHookLibrary();
    EXPECT_THAT(host.log, IsEmpty()) << c.name << ": unbound twice";
  }
}

TEST(HookBinding, DestructionUnbinds) {
  FakeHookHost host;
  {
    CHookBinding binding(host);
    binding.LoadHookLibrary();
    host.log.clear();
  }
  EXPECT_THAT(host.log, ElementsAre("remove 263", "remove 270", "free 1"));
}

TEST(HookBinding, ScrollRequestTypesArrowKeys) {
  const struct {
    std::uintptr_t wParam;
    int result;
    const char* key;
  } cases[] = {{1, 1, "37"}, {2, 1, "39"}, {0, 0, nullptr}, {3, 0, nullptr}};
  for (const auto& c : cases) {
    FakeHookHost host;
    host.wheelScrollLines = 1;
    CHookBinding binding(host);
    EXPECT_EQ(binding.OnHookHScroll(c.wParam, 0), c.result) << c.wParam;
    if (c.key == nullptr) {
      EXPECT_THAT(host.log, IsEmpty()) << c.wParam;
    } else {
      EXPECT_THAT(host.log, ElementsAre(std::string("key ") + c.key + " down",
                                        std::string("key ") + c.key + " up"))
          << c.wParam;
    }
  }
}

TEST(HookBinding, PressesAsOftenAsOneNotchScrollsLines) {
  const struct {
    std::optional<std::uint32_t> lines;
    std::size_t presses;
  } cases[] = {{0, 1}, {3, 3}, {50, 30}, {0xFFFFFFFF, 30}, {std::nullopt, 3}};
  for (const auto& c : cases) {
    FakeHookHost host;
    host.wheelScrollLines = c.lines;
    CHookBinding binding(host);
    binding.SendKeyRepeated(0x25);
    std::vector<std::string> expected;
    for (std::size_t i = 0; i < c.presses; ++i) {
      expected.push_back("key 37 down");
      expected.push_back("key 37 up");
    }
    EXPECT_THAT(host.log, ElementsAreArray(expected)) << c.lines.value_or(12345);
  }
}

}  // namespace
