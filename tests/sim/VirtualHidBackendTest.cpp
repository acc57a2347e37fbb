#include <gtest/gtest.h>

#include "platform/VirtualClock.h"
#include "sim/VirtualHidBackend.h"

namespace {

class VirtualBackend : public ::testing::Test {
 protected:
  VirtualClock clock;
  VirtualHidBackend hid{clock};
  VirtualMirel& mouse = hid.AddMouse();
  std::uint8_t read[6] = {0x00, 0xDF, 0xBA, 0x00, 0x00, 0x00};
};

TEST_F(VirtualBackend, ListsBothCollectionsOfEachMouse) {
  VirtualMirel& second = hid.AddMouse({.vendorId = 0x5D93, .productId = 0x46B8, .version = 0x0711});
  const auto paths = hid.EnumerateInterfaces(HidClass::Mouse, 127);
  ASSERT_TRUE(paths.has_value());
  ASSERT_EQ(paths->size(), 4u);
  EXPECT_EQ((*paths)[0], hid.PathOf(mouse));
  EXPECT_NE((*paths)[1].find(u"&mi_01&col03"), std::u16string::npos);
  EXPECT_EQ((*paths)[2], hid.PathOf(second));
  EXPECT_NE((*paths)[2].find(u"vid_5d93&pid_46b8"), std::u16string::npos);
  EXPECT_EQ(hid.EnumerateInterfaces(HidClass::Mouse, 3)->size(), 3u);

  hid.SetAvailable(false);
  EXPECT_EQ(hid.EnumerateInterfaces(HidClass::Mouse, 127), std::nullopt);
}

TEST_F(VirtualBackend, FeatureReportsNeedWriteAccess) {
  const HidHandle query = hid.Open(hid.PathOf(mouse), HidAccess::QueryOnly);
  ASSERT_NE(query, kInvalidHidHandle);
  EXPECT_TRUE(hid.GetAttributes(query).has_value());
  EXPECT_FALSE(hid.SetFeature(query, read, sizeof read));
  EXPECT_TRUE(hid.Close(query));
  EXPECT_FALSE(hid.Close(query));
  EXPECT_EQ(SetFeatureOnPath(hid, hid.PathOf(mouse), read, sizeof read), HidExchange::Done);
  EXPECT_EQ(SetFeatureOnPath(hid, u"\\\\?\\nothing", read, sizeof read), HidExchange::OpenFailed);
  EXPECT_EQ(hid.OpenHandles(), 0);
}

TEST_F(VirtualBackend, UnplugKillsOpenHandles) {
  const HidHandle handle = hid.Open(hid.PathOf(mouse), HidAccess::Write);
  hid.SetPlugged(mouse, false);
  EXPECT_FALSE(hid.SetFeature(handle, read, sizeof read));
  EXPECT_FALSE(hid.GetAttributes(handle).has_value());
  EXPECT_EQ(hid.Open(hid.PathOf(mouse), HidAccess::Write), kInvalidHidHandle);
  EXPECT_TRUE(hid.EnumerateInterfaces(HidClass::Hid, 127)->empty());
  hid.SetPlugged(mouse, true);
  EXPECT_TRUE(hid.SetFeature(handle, read, sizeof read));
  EXPECT_TRUE(hid.Close(handle));
}

TEST_F(VirtualBackend, EachExchangeTakesTheInjectedLatency) {
  mouse.SetFault("latency-ms", 3);
  std::uint8_t answer[6] = {};
  SetFeatureOnPath(hid, hid.PathOf(mouse), read, sizeof read);
  GetFeatureOnPath(hid, hid.PathOf(mouse), answer, sizeof answer);
  EXPECT_EQ(clock.Now(), std::chrono::milliseconds(6));
  EXPECT_EQ(answer[2], 0x6D);
}

TEST_F(VirtualBackend, NotifiesRegisteredWindowsOfEachInterface) {
  std::vector<std::u16string> heard;
  hid.SetNotifier([&](HidWindow, bool, std::u16string_view path) { heard.emplace_back(path); });
  const HidNotifyHandle registration = hid.RegisterNotify(42, HidClass::Mouse);
  ASSERT_NE(registration, 0u);
  hid.SetPlugged(mouse, false);
  hid.SetPlugged(mouse, false);  // already gone: no second notification
  EXPECT_EQ(heard.size(), 2u);
  EXPECT_TRUE(hid.UnregisterNotify(registration));
  EXPECT_FALSE(hid.UnregisterNotify(registration));
  hid.SetPlugged(mouse, true);
  EXPECT_EQ(heard.size(), 2u);
}

}  // namespace
