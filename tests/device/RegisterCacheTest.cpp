#include <gtest/gtest.h>

#include "tests/device/MouseRig.h"

namespace {

class RegisterCache : public ::testing::Test, protected MouseRig {
 protected:
  void SetUp() override { ASSERT_TRUE(Connect()); }
};

struct ChangeCase {
  SRegisterEntry before;
  int value;
  int result;
  SRegisterEntry after;
};

// The changed mark follows what the mouse is known to hold: an equal value
// on an entry never read still has to be written.
const ChangeCase kChangeCases[] = {
    {{true, false, 7}, 7, 0, {true, false, 7}},
    {{true, true, 7}, 7, 0, {true, true, 7}},
    {{true, false, 7}, 8, 1, {true, true, 8}},
    {{false, false, 0}, 0, 1, {false, true, 0}},
    {{false, false, 3}, 3, 1, {false, true, 3}},
    {{true, false, 0xFF}, 0x1FF, 0, {true, false, 0xFF}},  // only the low byte is kept
    {{true, false, 0}, 0x100, 0, {true, false, 0}},
};

TEST_F(RegisterCache, SetCachedValueFollowsTheChangedRule) {
  for (const ChangeCase& c : kChangeCases) {
    ic.Entry(40) = c.before;
    EXPECT_EQ(ic.SetCachedValue(40, c.value), c.result) << c.value;
    EXPECT_EQ(ic.Entry(40).valid, c.after.valid) << c.value;
    EXPECT_EQ(ic.Entry(40).changed, c.after.changed) << c.value;
    EXPECT_EQ(ic.Entry(40).value, c.after.value) << c.value;
  }
  EXPECT_TRUE(mouse.ReceivedReports().empty());
}

TEST_F(RegisterCache, AddressesOutsideTheCacheAreRefused) {
  EXPECT_EQ(ic.SetCachedValue(CIcGM06Vx::kRegisterSpace, 1), 0);
  EXPECT_EQ(ic.SetCachedValue(-1, 1), 0);
  EXPECT_EQ(ic.WriteThrough(CIcGM06Vx::kRegisterSpace, 1), 0);
  ic.StoreReadValue(CIcGM06Vx::kRegisterSpace, 1);
  EXPECT_TRUE(mouse.ReceivedReports().empty());
}

TEST_F(RegisterCache, CommitWritesOnlyChangedEntries) {
  ic.StoreReadValue(0x10, 0x20);
  EXPECT_EQ(ic.CommitRegister(0x10), 1);
  EXPECT_TRUE(mouse.ReceivedReports().empty());

  ic.SetCachedValue(0x10, 0x21);
  EXPECT_EQ(ic.CommitRegister(0x10), 1);
  EXPECT_EQ(mouse.Register(0x10), 0x21);
  EXPECT_TRUE(ic.Entry(0x10).valid);
  EXPECT_FALSE(ic.Entry(0x10).changed);
  EXPECT_EQ(mouse.ReceivedReports().size(), 1u);
}

TEST_F(RegisterCache, CommitIsBoundedByTheRegisterCount) {
  VirtualMirel& small = hid.AddMouse({.version = 0x0801});
  ic.Reset();
  ASSERT_EQ(ic.SelectControllerType(0x0801), 1);
  ASSERT_EQ(ic.OpenDevice(hid.PathOf(small)), 1);
  small.ClearLog();
  for (int address : {1023, 1024, 6000}) ic.SetCachedValue(address, 0x33);

  EXPECT_EQ(ic.CommitRegister(1023), 1);
  EXPECT_EQ(ic.CommitRegister(1024), 0);
  EXPECT_EQ(ic.CommitRegister(6000), 0);
  EXPECT_EQ(small.ReceivedReports().size(), 1u);
  EXPECT_EQ(small.Register(1023), 0x33);
  EXPECT_TRUE(ic.Entry(1024).changed);
}

TEST_F(RegisterCache, FailedCommitKeepsTheChange) {
  ic.SetCachedValue(0x10, 0x21);
  mouse.SetFault("fail-set", 20);
  EXPECT_EQ(ic.CommitRegister(0x10), 0);
  EXPECT_TRUE(ic.Entry(0x10).changed);
  EXPECT_FALSE(ic.Entry(0x10).valid);
}

struct ThroughCase {
  SRegisterEntry before;
  int value;
  bool writes;
};

const ThroughCase kThroughCases[] = {
    {{true, false, 0x11}, 0x11, false},
    {{true, true, 0x11}, 0x11, true},
    {{false, false, 0x11}, 0x11, true},
    {{true, false, 0x11}, 0x12, true},
};

TEST_F(RegisterCache, WriteThroughSkipsOnlyAKnownEqualValue) {
  for (const ThroughCase& c : kThroughCases) {
    mouse.ClearLog();
    mouse.SetRegister(0xA6, 0);
    ic.Entry(0xA6) = c.before;
    EXPECT_EQ(ic.WriteThrough(0xA6, c.value), 1);
    EXPECT_EQ(mouse.ReceivedReports().size(), c.writes ? 1u : 0u) << c.value;
    EXPECT_EQ(mouse.Register(0xA6), c.writes ? c.value : 0);
    EXPECT_TRUE(ic.Entry(0xA6).valid);
    EXPECT_FALSE(ic.Entry(0xA6).changed);
    EXPECT_EQ(ic.Entry(0xA6).value, c.value);
  }
}

}  // namespace
