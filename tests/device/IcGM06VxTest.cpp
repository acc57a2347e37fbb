#include <gtest/gtest.h>

#include <vector>

#include "tests/device/MouseRig.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using std::chrono::milliseconds;

class Protocol : public ::testing::Test, protected MouseRig {};

TEST_F(Protocol, StartsUnconnectedAsType0603) {
  EXPECT_EQ(ic.LastStatus(), CIcGM06Vx::kStatusLoaded);
  EXPECT_EQ(ic.ControllerType(), 0x0603);
  EXPECT_EQ(ic.RegisterCount(), 6169);
  EXPECT_EQ(ic.ReportLength(), 10);
  EXPECT_TRUE(ic.DevicePath().empty());

  VirtualHidBackend unavailable{clock};
  unavailable.SetAvailable(false);
  EXPECT_EQ(CIcGM06Vx(unavailable, clock).LastStatus(), CIcGM06Vx::kStatusReset);
}

TEST_F(Protocol, SendsEachReportByteForByte) {
  ASSERT_TRUE(Connect());
  int value = 0;
  ASSERT_EQ(ic.WriteRegister(0x1213, 0x4D), 1);
  ASSERT_EQ(ic.SendControl(6, 3, 0), 1);
  ASSERT_EQ(ic.ReadRegister(0x1213, value), 1);
  ASSERT_EQ(ic.WriteRegister(0x0A6, 0x1FF), 1);
  const std::vector<Bytes> expected = {
      {0x00, 0xDE, 0x13, 0x4D, 0x12, 0x00},
      {0x00, 0xC4, 0x06, 0x03, 0x00, 0x00},
      {0x00, 0xDF, 0x13, 0x00, 0x12, 0x00},
      {0x00, 0xDE, 0xA6, 0xFF, 0x00, 0x00},  // a value goes out as its low byte
  };
  EXPECT_EQ(mouse.ReceivedReports(), expected);
  EXPECT_EQ(value, 0x4D);
  EXPECT_EQ(mouse.Register(0xA6), 0xFF);
  EXPECT_EQ(hid.OpenHandles(), 0);
}

TEST_F(Protocol, ReportLengthFollowsTheControllerType) {
  VirtualMirel& nine = hid.AddMouse({.version = 0x1201});
  ic.Reset();
  ASSERT_EQ(ic.SelectControllerType(0x1201), 1);
  ASSERT_EQ(ic.OpenDevice(hid.PathOf(nine)), 1);
  ASSERT_FALSE(nine.ReceivedReports().empty());
  EXPECT_EQ(nine.ReceivedReports().back().size(), 9u);
}

struct RetryCase {
  const char* fault;
  int count;
  int result;
  milliseconds elapsed;  // on the virtual clock
  std::int32_t status;
};

// A failed feature call waits 120 ms inside the exchange, and every failed
// attempt pauses 120 ms before the next.
const RetryCase kReadRetries[] = {
    {"fail-set", 1, 1, milliseconds(240), CIcGM06Vx::kStatusSetFailed},
    {"fail-get", 2, 1, milliseconds(480), CIcGM06Vx::kStatusGetFailed},
    {"wrong-echo", 3, 1, milliseconds(360), CIcGM06Vx::kStatusLoaded},
    {"fail-open", 1, 1, milliseconds(120), CIcGM06Vx::kStatusOpenFailed},
    {"wrong-echo", 19, 1, milliseconds(19 * 120), CIcGM06Vx::kStatusLoaded},
    {"wrong-echo", 20, 0, milliseconds(20 * 120), CIcGM06Vx::kStatusLoaded},
    {"fail-get", 20, 0, milliseconds(20 * 240), CIcGM06Vx::kStatusGetFailed},
    {"fail-open", 20, 0, milliseconds(20 * 120), CIcGM06Vx::kStatusOpenFailed},
};

TEST(ProtocolRetries, ReadRetriesTwentyTimesWithPauses) {
  for (const RetryCase& c : kReadRetries) {
    MouseRig rig;
    auto& [clock, hid, mouse, ic] = rig;
    ASSERT_EQ(ic.SelectControllerType(0x0704), 1);
    ASSERT_EQ(ic.SetDevicePath(hid.PathOf(mouse)), 1);
    mouse.SetRegister(0x1213, 0x4D);
    ASSERT_TRUE(mouse.SetFault(c.fault, c.count));

    int value = -1;
    EXPECT_EQ(ic.ReadRegister(0x1213, value), c.result) << c.fault << " " << c.count;
    EXPECT_EQ(clock.Now(), c.elapsed) << c.fault << " " << c.count;
    EXPECT_EQ(ic.LastStatus(), c.status) << c.fault << " " << c.count;
    EXPECT_EQ(value, c.result ? 0x4D : -1) << c.fault << " " << c.count;
    EXPECT_EQ(hid.OpenHandles(), 0);
  }
}

TEST_F(Protocol, WritesAndControlsRetryUntilTheTwentiethAttempt) {
  ASSERT_TRUE(Connect());
  mouse.SetFault("fail-set", 19);
  EXPECT_EQ(ic.WriteRegister(0x10, 0x22), 1);
  EXPECT_EQ(mouse.Register(0x10), 0x22);
  EXPECT_EQ(clock.Now(), milliseconds(19 * 240));

  mouse.SetFault("fail-set", 20);
  EXPECT_EQ(ic.SendControl(0, 0, 0), 0);
  EXPECT_EQ(ic.LastStatus(), CIcGM06Vx::kStatusSetFailed);
  EXPECT_TRUE(mouse.Controls().empty());
}

TEST_F(Protocol, TransfersWithoutAPathFail) {
  int value = 0;
  EXPECT_EQ(ic.ReadRegister(0, value), 0);
  EXPECT_EQ(ic.LastStatus(), CIcGM06Vx::kStatusNoPath);
  EXPECT_EQ(ic.WriteRegister(0, 1), 0);
  EXPECT_EQ(clock.Now(), milliseconds(2 * 20 * 120));
  EXPECT_TRUE(mouse.ReceivedReports().empty());
}

TEST_F(Protocol, UnplugBetweenExchangesFailsUntilPluggedAgain) {
  ASSERT_TRUE(Connect());
  int value = 0;
  ASSERT_EQ(ic.ReadRegister(0xBA, value), 1);
  hid.SetPlugged(mouse, false);
  EXPECT_EQ(ic.ReadRegister(0xBA, value), 0);
  EXPECT_EQ(ic.LastStatus(), CIcGM06Vx::kStatusOpenFailed);
  hid.SetPlugged(mouse, true);
  EXPECT_EQ(ic.ReadRegister(0xBA, value), 1);
  EXPECT_EQ(value, 0x6D);
}

TEST_F(Protocol, VerifiedReadNeedsTwoAgreeingReads) {
  ASSERT_TRUE(Connect());
  int value = 0;
  mouse.SetFault("wrong-echo", 25);  // spends the first pass's two reads and more
  EXPECT_EQ(ic.ReadRegisterVerified(0xBB, value), 1);
  EXPECT_EQ(value, 0x70);
  EXPECT_EQ(mouse.GetCalls(), 27);
}

TEST_F(Protocol, ResetForgetsDeviceAndCacheButKeepsTheReportLength) {
  ASSERT_TRUE(Connect());
  ASSERT_EQ(ic.SelectControllerType(0x1201), 1);
  ic.StoreReadValue(5, 9);
  ic.SetCachedValue(6, 1);
  ic.Reset();
  EXPECT_EQ(ic.LastStatus(), CIcGM06Vx::kStatusReset);
  EXPECT_TRUE(ic.DevicePath().empty());
  EXPECT_EQ(ic.ControllerType(), 0x0603);
  EXPECT_EQ(ic.RegisterCount(), 6169);
  EXPECT_EQ(ic.ReportLength(), 9);
  for (int address : {5, 6}) {
    EXPECT_FALSE(ic.Entry(address).valid);
    EXPECT_FALSE(ic.Entry(address).changed);
    EXPECT_EQ(ic.Entry(address).value, 0);
  }
}

TEST_F(Protocol, DevicePathIsComparedExactly) {
  const std::u16string path = hid.PathOf(mouse);
  ASSERT_EQ(ic.SetDevicePath(path), 1);
  EXPECT_EQ(ic.IsDevicePath(path), 1);
  std::u16string upper = path;
  upper[4] = u'H';
  EXPECT_EQ(ic.IsDevicePath(upper), 0);
  EXPECT_EQ(ic.IsDevicePath(path.substr(1)), 0);
}

}  // namespace
