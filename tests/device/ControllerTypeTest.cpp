#include <gtest/gtest.h>

#include <string>

#include "tests/device/MouseRig.h"

namespace {

struct TypeCase {
  std::uint16_t type;
  int registerCount;
  int reportLength;
  bool identifies;
};

const TypeCase kSelectable[] = {
    {0x0000, 256, 9, true},     {0x0603, 6169, 6, true},  {0x0701, 6169, 6, true},
    {0x0703, 6892, 6, true},    {0x0704, 6892, 6, true},  {0x0709, 6892, 6, true},
    {0x0710, 6892, 6, true},    {0x0711, 6892, 6, true},  {0x0801, 1024, 6, true},
    {0x0802, 1024, 6, true},    {0x0901, 6892, 6, true},  {0x1001, 6892, 6, true},
    {0x1201, 6892, 9, true},    {0x1202, 6892, 9, true},  {0x1203, 6892, 9, false},
    {0x1301, 3633, 6, true},
};

TEST(ControllerType, SelectionSetsCountAndLengthAndIdentifiesItsMouse) {
  for (const TypeCase& c : kSelectable) {
    MouseRig rig({.version = c.type});
    auto& [clock, hid, mouse, ic] = rig;
    ic.Reset();
    ASSERT_EQ(ic.SelectControllerType(c.type), 1) << std::hex << c.type;
    EXPECT_EQ(ic.RegisterCount(), c.registerCount) << std::hex << c.type;
    EXPECT_EQ(ic.ReportLength(), c.reportLength) << std::hex << c.type;
    EXPECT_EQ(ic.OpenDevice(hid.PathOf(mouse)), c.identifies ? 1 : 0) << std::hex << c.type;
    EXPECT_EQ(ic.DevicePath(), hid.PathOf(mouse));
  }
}

TEST(ControllerType, TypeZeroOpensWithoutIdentification) {
  MouseRig rig;
  auto& [clock, hid, mouse, ic] = rig;
  ASSERT_EQ(ic.SelectControllerType(0), 1);
  EXPECT_EQ(ic.OpenDevice(hid.PathOf(mouse)), 1);
  EXPECT_TRUE(mouse.ReceivedReports().empty());
}

TEST(ControllerType, RefusedTypesChangeNothing) {
  VirtualClock clock;
  VirtualHidBackend hid{clock};
  CIcGM06Vx ic{hid, clock};
  ASSERT_EQ(ic.SelectControllerType(0x1201), 1);
  for (std::uint16_t type : std::initializer_list<std::uint16_t>{0x0604, 0x0702, 0x070A, 0x070F, 0x0712, 0x1204, 0xFFFF}) {
    EXPECT_EQ(ic.SelectControllerType(type), 0) << std::hex << type;
    EXPECT_EQ(ic.ControllerType(), 0x1201);
    EXPECT_EQ(ic.RegisterCount(), 6892);
    EXPECT_EQ(ic.ReportLength(), 9);
  }
}

struct IdentifyCase {
  int ba, bb;
  int result;
};

TEST(ControllerType, IdentificationChecksBothRegisters) {
  const IdentifyCase cases[] = {{0x6D, 0x70, 1}, {0x6C, 0x70, 0}, {0x6D, 0x54, 0}, {0x6D, 0x00, 0}};
  for (const IdentifyCase& c : cases) {
    MouseRig rig;
    auto& [clock, hid, mouse, ic] = rig;
    mouse.SetRegister(0xBA, static_cast<std::uint8_t>(c.ba));
    mouse.SetRegister(0xBB, static_cast<std::uint8_t>(c.bb));
    EXPECT_EQ(rig.Connect(), c.result == 1) << c.ba << " " << c.bb;
    // An identification failure keeps the path and the status.
    EXPECT_EQ(ic.DevicePath(), hid.PathOf(mouse));
    EXPECT_EQ(ic.LastStatus(), CIcGM06Vx::kStatusReset);
  }
}

// Versions 0x070A..0x070F pass the device search but are no selectable
// type: the object keeps the reset's type 0x0603 and the previous report
// length, and so expects 0xBB = 0x54 in reports of that length.
TEST(ControllerType, UnlistedSevenVersionsKeepTheResetType) {
  for (std::uint16_t version = 0x070A; version <= 0x070F; ++version) {
    VirtualClock clock;
    VirtualHidBackend hid{clock};
    VirtualMirel& plain = hid.AddMouse({.version = version});
    VirtualMirel& matching = hid.AddMouse({.version = version, .reportLength = 10});
    matching.SetRegister(0xBB, 0x54);
    CIcGM06Vx ic{hid, clock};
    ic.Reset();
    EXPECT_EQ(ic.SelectControllerType(version), 0);
    EXPECT_EQ(ic.ControllerType(), 0x0603);
    EXPECT_EQ(ic.RegisterCount(), 6169);
    EXPECT_EQ(ic.ReportLength(), 10);
    EXPECT_EQ(ic.OpenDevice(hid.PathOf(plain)), 0) << std::hex << version;
    EXPECT_EQ(ic.OpenDevice(hid.PathOf(matching)), 1) << std::hex << version;
  }
}

TEST(DevicePath, EmptyOrOverlongPathsAreRefusedWhole) {
  VirtualClock clock;
  VirtualHidBackend hid{clock};
  auto controller = std::make_shared<VirtualMirel>(0x0704);
  const std::u16string longest = u"\\\\?\\" + std::u16string(CIcGM06Vx::kMaxPathLength - 4, u'x');
  const std::u16string overlong = longest + u"y";
  hid.AddInterface({longest, {0x3E71, 0x0A24, 0x0704}, u"p", u"m", true, true, controller});
  hid.AddInterface({overlong, {0x3E71, 0x0A24, 0x0704}, u"p", u"m", true, true, controller});
  CIcGM06Vx ic{hid, clock};
  ic.Reset();
  ASSERT_EQ(ic.SelectControllerType(0x0704), 1);

  EXPECT_EQ(ic.OpenDevice(longest), 1);
  EXPECT_EQ(ic.OpenDevice(overlong), 0);
  EXPECT_EQ(ic.LastStatus(), CIcGM06Vx::kStatusOpenFailed);
  EXPECT_TRUE(ic.DevicePath().empty());
  EXPECT_EQ(ic.SetDevicePath(overlong), 0);
  EXPECT_TRUE(ic.DevicePath().empty());

  EXPECT_EQ(ic.OpenDevice(u""), 0);
  EXPECT_EQ(ic.LastStatus(), CIcGM06Vx::kStatusEmptyPath);
}

TEST(DevicePath, UnopenablePathClearsIt) {
  MouseRig rig;
  auto& [clock, hid, mouse, ic] = rig;
  mouse.SetFault("fail-open", 1);
  EXPECT_EQ(ic.OpenDevice(hid.PathOf(mouse)), 0);
  EXPECT_EQ(ic.LastStatus(), CIcGM06Vx::kStatusOpenFailed);
  EXPECT_TRUE(ic.DevicePath().empty());
}

}  // namespace
