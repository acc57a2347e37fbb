#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "device/HidClient.h"
#include "platform/VirtualClock.h"
#include "sim/VirtualHidBackend.h"

namespace {

const SUsbId kMouseIds[] = {{0x3E71, 0x0A24}, {0x5D93, 0x46B8}};
constexpr std::uint16_t kMinVersion = 0x0704;
constexpr std::uint16_t kMaxVersion = 0x0711;

std::u16string PathNamed(const std::string& name) {
  return u"\\\\?\\hid#" + std::u16string(name.begin(), name.end());
}

// Appended rather than concatenated: GCC 12 warns falsely on "x" + string.
std::string Numbered(const char* prefix, int n) { return std::string(prefix).append(std::to_string(n)); }

class HidClient : public ::testing::Test {
 protected:
  VirtualClock clock;
  VirtualHidBackend hid{clock};
  std::vector<std::pair<std::u16string, std::u16string>> notices;
  CHidClient client{hid, [this](std::u16string_view text, std::u16string_view caption) {
                      notices.emplace_back(text, caption);
                    }};

  // One interface with its own controller, listed in the mouse class.
  void Add(const std::string& name, std::uint16_t vid, std::uint16_t pid, std::uint16_t version,
           bool mouseClass = true) {
    hid.AddInterface({PathNamed(name), {vid, pid, version}, u"Mirel", u"Orvo", mouseClass, true,
                      std::make_shared<VirtualMirel>(version)});
  }

  std::vector<std::u16string> Listed() const {
    std::vector<std::u16string> paths;
    for (int i = 0; i < client.GetRecognizedDevices(); ++i) paths.emplace_back(client.GetDevice(i));
    return paths;
  }

  int CreateProgramTable() {
    return client.CreateDeviceTable(kMouseIds, 2, kMinVersion, kMaxVersion);
  }
};

TEST_F(HidClient, ProgramTableListsMatchingMiceInEnumerationOrder) {
  Add("a-0703", 0x3E71, 0x0A24, 0x0703);
  Add("b-0704", 0x5D93, 0x46B8, 0x0704);
  Add("c-0711", 0x3E71, 0x0A24, 0x0711);
  Add("d-0712", 0x3E71, 0x0A24, 0x0712);
  Add("e-other", 0x3E71, 0x46B8, 0x0705);
  Add("f-hidonly", 0x3E71, 0x0A24, 0x0705, false);
  Add("g&mi_01&col03", 0x3E71, 0x0A24, 0x0705);
  Add("h&MI_01&COL03", 0x3E71, 0x0A24, 0x0705);
  Add("i&mi_01&col02", 0x5D93, 0x46B8, 0x0710);

  EXPECT_EQ(CreateProgramTable(), 1);
  const std::vector<std::u16string> expected = {PathNamed("b-0704"), PathNamed("c-0711"),
                                                PathNamed("h&MI_01&COL03"),
                                                PathNamed("i&mi_01&col02")};
  EXPECT_EQ(Listed(), expected);
  EXPECT_EQ(hid.OpenHandles(), 0);
}

TEST_F(HidClient, EntryHoldsIdentityAndStrings) {
  hid.AddMouse({.version = 0x0708});
  hid.AddInterface({PathNamed("nostrings"), {0x5D93, 0x46B8, 0x0709}, std::nullopt, u"",
                    true, true, std::make_shared<VirtualMirel>(0x0709)});
  ASSERT_EQ(CreateProgramTable(), 1);
  ASSERT_EQ(client.GetRecognizedDevices(), 2);

  EXPECT_EQ(std::u16string(client.GetDeviceName(0)), u"Orvo Mirel Gaming Mouse");
  EXPECT_EQ(std::u16string(client.GetVendorName(0)), u"Orvo");
  EXPECT_EQ(std::u16string(client.GetDeviceID(0)), u"VID=3E71, PID=0A24");
  EXPECT_EQ(client.GetDeviceVID(0), 0x3E71);
  EXPECT_EQ(client.GetDevicePID(0), 0x0A24);
  EXPECT_EQ(client.GetDeviceVer(0), 0x0708);

  EXPECT_EQ(std::u16string(client.GetDeviceName(1)), u" ");
  EXPECT_EQ(std::u16string(client.GetVendorName(1)), u" ");
  EXPECT_EQ(std::u16string(client.GetDeviceID(1)), u"VID=5D93, PID=46B8");
}

TEST_F(HidClient, BadIndicesGiveNullAndAllOnes) {
  hid.AddMouse();
  ASSERT_EQ(CreateProgramTable(), 1);
  for (int i : {-1, 1, 127, 1000}) {
    EXPECT_EQ(client.GetDevice(i), nullptr) << i;
    EXPECT_EQ(client.GetDeviceName(i), nullptr) << i;
    EXPECT_EQ(client.GetVendorName(i), nullptr) << i;
    EXPECT_EQ(client.GetDeviceID(i), nullptr) << i;
    EXPECT_EQ(client.GetDeviceVID(i), 0xFFFF) << i;
    EXPECT_EQ(client.GetDevicePID(i), 0xFFFF) << i;
    EXPECT_EQ(client.GetDeviceVer(i), 0xFFFF) << i;
  }
}

TEST_F(HidClient, ExaminesAtMost127Interfaces) {
  for (int i = 0; i < 130; ++i) Add(Numbered("m", 1000 + i), 0x3E71, 0x0A24, 0x0705);
  EXPECT_EQ(CreateProgramTable(), 1);
  EXPECT_EQ(client.GetRecognizedDevices(), 127);
  EXPECT_EQ(std::u16string(client.GetDevice(126)), PathNamed("m1126"));

  VirtualHidBackend crowded{clock};
  CHidClient other{crowded};
  for (int i = 0; i < 127; ++i) {
    crowded.AddInterface({PathNamed(Numbered("k", i)), {0x1111, 0x2222, 0x0100}, u"k",
                          u"k", true, true, nullptr});
  }
  crowded.AddMouse();
  EXPECT_EQ(other.CreateDeviceTable(kMouseIds, 2, kMinVersion, kMaxVersion), 0);
}

TEST_F(HidClient, SkipsInterfacesThatDoNotOpenOrHaveOverlongPaths) {
  VirtualMirel& refusing = hid.AddMouse({.withCollection3 = false});
  hid.AddInterface({u"\\\\?\\" + std::u16string(CHidClient::kPathCapacity, u'x'),
                    {0x3E71, 0x0A24, 0x0705}, u"long", u"Orvo", true, true, nullptr});
  hid.AddMouse({.version = 0x0706, .withCollection3 = false});
  refusing.SetFault("fail-open", 1);
  EXPECT_EQ(CreateProgramTable(), 1);
  ASSERT_EQ(client.GetRecognizedDevices(), 1);
  EXPECT_EQ(client.GetDeviceVer(0), 0x0706);
}

TEST_F(HidClient, EveryBuildStartsFromAnEmptyTable) {
  VirtualMirel& mouse = hid.AddMouse();
  ASSERT_EQ(CreateProgramTable(), 1);
  hid.SetPlugged(mouse, false);
  EXPECT_EQ(CreateProgramTable(), 0);
  EXPECT_EQ(client.GetRecognizedDevices(), 0);
  EXPECT_EQ(client.GetDevice(0), nullptr);

  hid.SetPlugged(mouse, true);
  hid.SetAvailable(false);
  CHidClient unloaded{hid};
  EXPECT_EQ(unloaded.CreateDeviceTable(kMouseIds, 2, kMinVersion, kMaxVersion), 0);
  EXPECT_EQ(unloaded.LoadDll(), 0);
}

struct VariantCase {
  const char* name;
  int (*build)(CHidClient&);
  HidClass cls;
  std::vector<std::string> listed;
};

const std::uint16_t kVersions[] = {0x0102, 0x0711};

const VariantCase kVariants[] = {
    {"every HID interface", [](CHidClient& c) { return c.CreateDeviceTable(0, 0, false); },
     HidClass::Hid, {"any-0102", "m-0705", "m-0712", "m-0810&mi_01&col03", "r-0711", "keyboard"}},
    {"every mouse interface", [](CHidClient& c) { return c.CreateDeviceTable(0, 0, true); },
     HidClass::Mouse, {"any-0102", "m-0705", "m-0712", "m-0810&mi_01&col03", "r-0711"}},
    {"one identity", [](CHidClient& c) { return c.CreateDeviceTable(0x3E71, 0x0A24, true); },
     HidClass::Mouse, {"m-0705", "m-0712", "m-0810&mi_01&col03"}},
    {"identity table", [](CHidClient& c) { return c.CreateDeviceTable(kMouseIds, 2); },
     HidClass::Mouse, {"m-0705", "m-0712", "r-0711"}},
    {"identity table, one row", [](CHidClient& c) { return c.CreateDeviceTable(kMouseIds, 1); },
     HidClass::Mouse, {"m-0705", "m-0712"}},
    {"version window",
     [](CHidClient& c) { return c.CreateDeviceTable(kMouseIds, 2, kMinVersion, kMaxVersion); },
     HidClass::Mouse, {"m-0705", "r-0711"}},
    {"version window or family",
     [](CHidClient& c) { return c.CreateDeviceTable(kMouseIds, 2, 0x0706, 0x0706, 0x0799); },
     HidClass::Mouse, {"m-0705", "m-0712", "r-0711"}},
    {"version list", [](CHidClient& c) { return c.CreateDeviceTable(kVersions, 2); },
     HidClass::Mouse, {"any-0102", "r-0711"}},
    {"empty identity table", [](CHidClient& c) { return c.CreateDeviceTable(kMouseIds, 0); },
     HidClass::Mouse, {}},
};

TEST_F(HidClient, VariantsDifferInClassFilterAndTest) {
  Add("any-0102", 0x1234, 0x5678, 0x0102);
  Add("m-0705", 0x3E71, 0x0A24, 0x0705);
  Add("m-0712", 0x3E71, 0x0A24, 0x0712);
  Add("m-0810&mi_01&col03", 0x3E71, 0x0A24, 0x0810);
  Add("r-0711", 0x5D93, 0x46B8, 0x0711);
  Add("keyboard", 0x1234, 0x0001, 0x0100, false);
  for (const VariantCase& c : kVariants) {
    std::vector<std::u16string> expected;
    for (const std::string& name : c.listed) expected.push_back(PathNamed(name));
    EXPECT_EQ(c.build(client), expected.empty() ? 0 : 1) << c.name;
    EXPECT_EQ(Listed(), expected) << c.name;
    EXPECT_EQ(client.InterfaceClass(), c.cls) << c.name;
  }
}

TEST_F(HidClient, NotificationRegistrations) {
  constexpr HidWindow kForm = 0x1000;
  constexpr HidWindow kOther = 0x2000;
  EXPECT_EQ(client.UnRegisterNotify(), 0);
  EXPECT_EQ(client.RecoverRegisterNotify(), 1);  // nothing remembered: nothing to do
  EXPECT_TRUE(hid.RegisteredWindows().empty());

  EXPECT_EQ(client.RegisterNotify(kForm), 1);
  EXPECT_EQ(client.RegisterNotify(kForm), 1);
  EXPECT_EQ(hid.RegisteredWindows(), (std::vector<HidWindow>{kForm, kForm}));

  EXPECT_EQ(client.ReRegisterNotify(kOther), 1);
  EXPECT_EQ(hid.RegisteredWindows(), (std::vector<HidWindow>{kForm, kOther}));
  EXPECT_EQ(client.NotifyWindow(), kForm);

  EXPECT_EQ(client.RecoverRegisterNotify(), 1);
  EXPECT_EQ(hid.RegisteredWindows(), (std::vector<HidWindow>{kForm, kForm}));

  EXPECT_EQ(client.UnRegisterNotify(), 1);
  EXPECT_EQ(client.NotifyHandle(), 0u);
  EXPECT_EQ(client.NotifyWindow(), 0u);
  EXPECT_EQ(hid.RegisteredWindows(), (std::vector<HidWindow>{kForm}));

  EXPECT_EQ(client.RegisterNotify(0), 0);  // refused: keeps the empty state
  EXPECT_EQ(client.NotifyHandle(), 0u);
}

TEST_F(HidClient, RegistrationWatchesTheLastEnumeratedClass) {
  std::vector<std::pair<HidWindow, bool>> heard;
  hid.SetNotifier([&](HidWindow w, bool arrival, std::u16string_view) { heard.emplace_back(w, arrival); });
  VirtualMirel& mouse = hid.AddMouse({.withCollection3 = false});
  ASSERT_EQ(CreateProgramTable(), 1);
  ASSERT_EQ(client.RegisterNotify(7), 1);
  hid.SetPlugged(mouse, false);
  hid.SetPlugged(mouse, true);
  EXPECT_EQ(heard, (std::vector<std::pair<HidWindow, bool>>{{7, false}, {7, true}}));
}

TEST_F(HidClient, FeatureHelpersOpenPerRequestAndReportOpenFailures) {
  VirtualMirel& mouse = hid.AddMouse({.withCollection3 = false});
  std::uint8_t request[6] = {0x00, 0xDF, 0xBA, 0x00, 0x00, 0x00};
  // An empty table is filled with every HID interface first.
  EXPECT_EQ(client.Write(0, request, 6), 1);
  EXPECT_EQ(client.InterfaceClass(), HidClass::Hid);
  std::uint8_t answer[6] = {};
  EXPECT_EQ(client.Read(0, answer, 6), 1);
  EXPECT_EQ(answer[2], 0x6D);
  std::uint8_t input[8] = {};
  std::uint32_t length = sizeof input;
  EXPECT_EQ(client.ReadInputReport(0, input, length), 1);
  EXPECT_EQ(length, 5u);
  EXPECT_EQ(client.Write(1, request, 6), 0);
  EXPECT_TRUE(notices.empty());

  mouse.SetFault("fail-open", 1);
  EXPECT_EQ(client.Write(0, request, 6), 0);
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0].first, hid.PathOf(mouse));
  EXPECT_EQ(notices[0].second, u"Open failed");
  EXPECT_EQ(hid.OpenHandles(), 0);
}

TEST_F(HidClient, HandleHelpers) {
  hid.AddMouse({.product = u"A product name that is longer than the sixty-four units of the query buffer"});
  ASSERT_EQ(CreateProgramTable(), 1);
  EXPECT_EQ(client.Open(1), kInvalidHidHandle);
  EXPECT_EQ(client.Close(kInvalidHidHandle), 0);
  const HidHandle handle = client.Open(0);
  ASSERT_NE(handle, kInvalidHidHandle);
  std::uint8_t buffer[CHidClient::kReadSize];
  EXPECT_EQ(client.Read(handle, buffer), 5u);
  EXPECT_EQ(std::u16string(client.Id2ProductString(handle)).size(), kHidStringUnits);
  EXPECT_EQ(std::u16string(client.Id2ManufactureString(handle)), u"Orvo");
  EXPECT_EQ(client.Close(handle), 1);
  EXPECT_EQ(std::u16string(client.Id2ProductString(handle)), u" ");
  EXPECT_EQ(std::u16string(CHidClient::Id2String(0x0C45, 0x7500)), u"VID=0C45, PID=7500");
}

TEST(HidClientVendors, QuorlProductsByVendorOnly) {
  EXPECT_EQ(CHidClient::IsQuorlProduct(0x3E71, 0x0000), 1);
  EXPECT_EQ(CHidClient::IsQuorlProduct(0x3E71, 0xFFFF), 1);
  EXPECT_EQ(CHidClient::IsQuorlProduct(0x845E, 0x0001), 0);
}

TEST_F(HidClient, ListingShowsTheTable) {
  hid.AddMouse({.withCollection3 = false});
  ASSERT_EQ(CreateProgramTable(), 1);
  client.ShowCurrentTable(1);
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0].second, u"HID DEVICE LIST");
  EXPECT_NE(notices[0].first.find(u"VID=3E71, PID=0A24"), std::u16string::npos);
  EXPECT_NE(notices[0].first.find(client.GetDevice(0)), std::u16string::npos);
}

TEST_F(HidClient, CopiesKeepTheirOwnTable) {
  hid.AddMouse({.withCollection3 = false});
  ASSERT_EQ(CreateProgramTable(), 1);
  CHidClient copy = client;
  EXPECT_EQ(client.CreateDeviceTable(kMouseIds, 0), 0);
  EXPECT_EQ(copy.GetRecognizedDevices(), 1);
  EXPECT_EQ(std::u16string(copy.GetDeviceID(0)), u"VID=3E71, PID=0A24");
}

}  // namespace
