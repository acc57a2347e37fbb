// The main form against virtual mice on a virtual clock: what reached the
// mouse (its control log and registers) and what the user saw.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/FormIds.h"
#include "app/MemorySettingsStore.h"
#include "tests/app/FakeFileSystem.h"
#include "tests/app/FakeProfileLooksView.h"
#include "tests/app/FakeShell.h"
#include "app/MainForm.h"
#include "config/LoadList.h"
#include "config/RegisterMap.h"
#include "sim/VirtualHidBackend.h"
#include "tests/support/TestEdition.h"
#include "tests/support/TestFormView.h"

namespace {

using Controls = std::vector<SControlCommand>;
constexpr HidWindow kWindow = 0x1234;

class MainFormScenario : public ::testing::Test {
 protected:
  MainFormScenario() {
    view.onTimer = [this](int id) { form.OnTimer(id); };
    view.onTextChange = [this](int id) { form.OnSensitivityEdit(id); };
    hid.SetNotifier([this](HidWindow window, bool arrival, std::u16string_view) {
      if (window == kWindow)
        form.OnDeviceChange(arrival ? CMainForm::kDeviceArrival : CMainForm::kDeviceRemoveComplete);
    });
  }

  // Connects and runs the whole load; the mouse's log starts empty after.
  void ConnectAndLoad(VirtualMirel& mouse) {
    form.ConnectDevice();
    view.RunTransfers();
    ASSERT_EQ(form.Page(), 3);
    mouse.ClearLog();
  }

  // Marks `count` registers of the load list changed with new values.
  void ChangeLoadListRegisters(int count) {
    for (int i = 0; i < count; ++i) {
      const int r = kLoadList[static_cast<std::size_t>(i) * 3 % kLoadListCount];
      form.Protocol().SetCachedValue(r, (form.Protocol().Entry(r).value + 1) & 0xFF);
    }
  }

  int ChangedInLoadList() {
    return static_cast<int>(std::count_if(kLoadList.begin(), kLoadList.end(), [&](int r) {
      return form.Protocol().Entry(r).changed;
    }));
  }

  ScopedEdition edition{EditionId::TraditionalChinese};
  VirtualClock clock;
  VirtualHidBackend hid{clock};
  TestFormView view{clock};
  CMemorySettingsStore settings;
  FakeFileSystem files;
  FakeShell shell;
  FakeProfileLooksView looks;
  CMainForm::Ports Ports(TestFormView& formView) {
    return {hid, clock, settings, files, shell, formView, looks, kWindow};
  }
  CMainForm form{Ports(view)};
};

TEST_F(MainFormScenario, NoMouseShowsTheNoMousePage) {
  form.ConnectDevice();
  EXPECT_FALSE(form.Connected());
  EXPECT_EQ(view.pages, std::vector<int>{0});
  EXPECT_TRUE(view.Shown(form_id::kTryAgain));
  EXPECT_TRUE(view.Shown(form_id::kLeave));
  EXPECT_TRUE(view.stopMessages.empty());
}

TEST_F(MainFormScenario, OpeningPublishesTheWindowAndSettlesTheMouse) {
  form.OnInitDialog();
  CRegistryStore registry(settings);
  EXPECT_EQ(registry.GetDword(L"Process Handle"), int(kWindow));
  EXPECT_EQ(registry.GetDword(L"AP Startup Profile"), 0);  // absent: 0 is stored
  EXPECT_FALSE(view.accelerationSwitchedOff);  // no mouse

  hid.AddMouse();
  TestFormView secondView{clock};
  CMainForm second{Ports(secondView)};
  second.OnInitDialog();
  EXPECT_TRUE(secondView.accelerationSwitchedOff);
  EXPECT_FALSE(secondView.Enabled(form_id::kApply));
  EXPECT_TRUE(secondView.Enabled(form_id::kDone));
}

TEST_F(MainFormScenario, LoadReadsTheWholeListOneRegisterPerTick) {
  VirtualMirel& mouse = hid.AddMouse();
  mouse.SetRegister(0x06, 0x40);
  mouse.SetRegister(0x3A, 0x17);
  form.ConnectDevice();
  EXPECT_EQ(form.Page(), 2);
  EXPECT_TRUE(form.Busy());
  EXPECT_EQ(view.progressRange[form_id::kLoadProgress], 113);
  const Clock::Duration start = clock.Now();
  view.RunTransfers();

  EXPECT_EQ(view.ticksById[timer_id::kLoadConfig], 112);  // the first is read at the start
  EXPECT_GE(clock.Now() - start, Clock::Duration(112 * 10));
  EXPECT_EQ(view.pages, (std::vector<int>{2, 3}));
  EXPECT_FALSE(form.Busy());
  EXPECT_FALSE(view.Shown(form_id::kLoadProgress));
  EXPECT_TRUE(form.SensitivitySwap());
  for (int r : kLoadList) {
    EXPECT_TRUE(form.Protocol().Entry(r).valid) << r;
    EXPECT_EQ(form.Protocol().Entry(r).value, mouse.Register(r)) << r;
  }
  const Controls& log = mouse.Controls();
  ASSERT_GE(log.size(), 3u);
  EXPECT_EQ(log.front(), (SControlCommand{5, 0, 0}));
  EXPECT_EQ(log[1], (SControlCommand{6, 3, 0}));
  EXPECT_EQ(log.back(), (SControlCommand{6, 3, 3}));
  // The indicator skips positions 5 and 8.
  for (const SControlCommand& c : log) {
    if (c.a == 6 && c.b == 1) {
      EXPECT_TRUE(c.c != 5 && c.c != 8) << int(c.c);
    }
  }
  EXPECT_EQ((Controls{log.begin() + 2, log.begin() + 8}),
            (Controls{{6, 1, 2}, {6, 0, 2}, {6, 1, 3}, {6, 0, 3}, {6, 1, 4}, {6, 0, 4}}));
  EXPECT_EQ(log[8], (SControlCommand{6, 1, 6}));
  EXPECT_EQ(form.PreviousValues().Entries(2)[5].value, 0x17);
}

TEST_F(MainFormScenario, FirstReadFailingShowsTheLoadErrorOnce) {
  VirtualMirel& mouse = hid.AddMouse();
  form.ConnectDevice();
  form.StopAllTimers();
  mouse.ClearLog();
  mouse.SetFault("fail-get", 1000);
  EXPECT_EQ(form.StartLoadConfiguration(), 0);
  EXPECT_EQ(mouse.Controls(), (Controls{{5, 0, 0}, {6, 3, 0}, {6, 3, 3}}));
  EXPECT_EQ(view.stopMessages, std::vector<std::wstring>{L"Error: Failed to LOAD MOUSE CONFIGURE!"});
  EXPECT_FALSE(form.Busy());
}

TEST_F(MainFormScenario, ReadFailingMidwayLeavesTheLoadingPage) {
  VirtualMirel& mouse = hid.AddMouse();
  form.ConnectDevice();
  view.RunTimers(10);
  mouse.SetFault("fail-get", 1000);
  view.RunTransfers();
  EXPECT_EQ(view.stopMessages.size(), 1u);
  EXPECT_EQ(form.Page(), 2);
  EXPECT_TRUE(form.Connected());
  EXPECT_FALSE(form.Busy());
  EXPECT_FALSE(view.Shown(form_id::kLoadProgress));
  EXPECT_FALSE(view.Shown(form_id::kTryAgain));
  EXPECT_EQ(mouse.Controls().back(), (SControlCommand{6, 3, 3}));
  // Arrivals are ignored while connected.
  VirtualMirel& other = hid.AddMouse({.vendorId = 0x5D93, .productId = 0x46B8});
  hid.SetPlugged(other, true);
  EXPECT_EQ(form.Page(), 2);
}

TEST_F(MainFormScenario, TwoMiceAreChosenInTheSelectionDialog) {
  VirtualMirel& first = hid.AddMouse();
  VirtualMirel& second = hid.AddMouse({.vendorId = 0x5D93, .productId = 0x46B8, .version = 0x0705,
                                       .product = u"Second"});
  view.selections.push_back({{1}, 1, 2});
  form.ConnectDevice();
  ASSERT_EQ(view.selectionEntries.size(), 1u);
  EXPECT_EQ(view.selectionEntries[0],
            (std::vector<std::wstring>{L"704: Orvo Mirel Gaming Mouse", L"705: Second"}));
  EXPECT_EQ(first.Controls(),
            (Controls{{5, 0, 0}, {6, 3, 0}, {6, 3, 2}, {6, 3, 2}, {6, 3, 3}}));
  const Controls& log = second.Controls();
  ASSERT_GE(log.size(), 5u);
  EXPECT_EQ((Controls{log.begin(), log.begin() + 3}), (Controls{{5, 0, 0}, {6, 3, 0}, {6, 3, 3}}));
  EXPECT_EQ(log[3], (SControlCommand{5, 0, 0}));  // the load begins
  EXPECT_FALSE(view.TimerSet(timer_id::kSelectKeepAlive));
  EXPECT_EQ(form.SelectedDevice(), 1);
  EXPECT_EQ(form.DeviceCount(), 2);
  EXPECT_TRUE(form.Connected());
}

TEST_F(MainFormScenario, CancelledSelectionLeavesTheFormUnconnected) {
  hid.AddMouse();
  hid.AddMouse({.vendorId = 0x5D93, .productId = 0x46B8});
  view.selections.push_back({{}, -1, 0});
  form.ConnectDevice();
  EXPECT_FALSE(form.Connected());
  EXPECT_EQ(form.DeviceCount(), 0);
  EXPECT_EQ(view.formEnded, 1);
  EXPECT_EQ(form.Page(), 0);
}

TEST_F(MainFormScenario, FourteenChangesAreWrittenDirectly) {
  VirtualMirel& mouse = hid.AddMouse();
  ConnectAndLoad(mouse);
  ChangeLoadListRegisters(14);
  int count = 0;
  EXPECT_EQ(form.SaveAllChanges(count), 1);
  EXPECT_EQ(count, 14);
  EXPECT_EQ(view.ticksById[timer_id::kSaveAll], 0);
  EXPECT_EQ(ChangedInLoadList(), 0);
  for (int r : kLoadList) EXPECT_EQ(mouse.Register(r), form.Protocol().Entry(r).value) << r;
  EXPECT_EQ(mouse.Controls(), (Controls{{5, 0, 0}, {6, 3, 0}, {6, 3, 3}, {0, 0, 0}}));
}

TEST_F(MainFormScenario, DoneWithFifteenChangesWritesThemBehindTheProgressBox) {
  VirtualMirel& mouse = hid.AddMouse();
  ConnectAndLoad(mouse);
  ChangeLoadListRegisters(15);
  form.SetUnsaved(2, true);
  view.boxAnswers.push_back(1);  // apply the new settings
  form.OnDone();

  ASSERT_EQ(view.boxes.size(), 2u);
  EXPECT_EQ(view.boxes[0].kind, 648);
  EXPECT_EQ(view.boxes[0].text, L"套用新設定值到滑鼠上?");
  EXPECT_EQ(view.boxes[1].kind, 340);
  EXPECT_EQ(view.boxes[1].progressRange, 113);
  EXPECT_EQ(view.boxes[1].closedWith, 1);
  EXPECT_FALSE(view.boxes[1].progress.empty());
  EXPECT_EQ(ChangedInLoadList(), 0);
  for (int r : kLoadList) EXPECT_EQ(mouse.Register(r), form.Protocol().Entry(r).value) << r;
  // The timed save ends with (0, 0, 0); then (6, 3, 3) and the profile
  // is made active, which ends with (0, 0, 0) again.
  const Controls& log = mouse.Controls();
  EXPECT_EQ((Controls{log.end() - 3, log.end()}), (Controls{{0, 0, 0}, {6, 3, 3}, {0, 0, 0}}));
  EXPECT_EQ(mouse.Register(0xA6) & 0x13, 0x10);
  EXPECT_EQ(view.formEnded, 1);
  EXPECT_EQ(view.frameEnded, 1);
  EXPECT_FALSE(form.Busy());
}

TEST_F(MainFormScenario, DoneWithoutUnsavedProfilesClosesWithoutAQuestion) {
  VirtualMirel& mouse = hid.AddMouse();
  ConnectAndLoad(mouse);
  form.OnDone();
  EXPECT_TRUE(view.boxes.empty());
  EXPECT_EQ(view.frameEnded, 1);
  EXPECT_TRUE(mouse.Controls().empty());
}

TEST_F(MainFormScenario, WriteFailingHalfWayKeepsTheRestMarkedChanged) {
  VirtualMirel& mouse = hid.AddMouse();
  ConnectAndLoad(mouse);
  ChangeLoadListRegisters(20);
  int count = 0;
  ASSERT_EQ(form.SaveAllChanges(count), 1);
  EXPECT_TRUE(form.Busy());
  view.RunTimers(5);
  mouse.SetFault("fail-set", 1000);
  view.RunTransfers();
  EXPECT_EQ(view.stopMessages, std::vector<std::wstring>{L"Error: Failed to SAVE MOUSE CONFIGURE!"});
  EXPECT_FALSE(form.Busy());
  const int left = ChangedInLoadList();
  EXPECT_GT(left, 0);
  EXPECT_LT(left, 20);
  for (int r : kLoadList) {
    const SRegisterEntry& e = form.Protocol().Entry(r);
    if (!e.changed) {
      EXPECT_EQ(mouse.Register(r), e.value) << r;
    }
  }
}

TEST_F(MainFormScenario, UnpluggingDuringTheLoadStopsItAndShowsTheNoMousePage) {
  VirtualMirel& mouse = hid.AddMouse();
  form.ConnectDevice();
  view.RunTimers(20);
  hid.SetPlugged(mouse, false);
  EXPECT_FALSE(form.Connected());
  EXPECT_FALSE(form.Busy());
  EXPECT_EQ(form.Page(), 0);
  EXPECT_EQ(view.RunTimers(), 0);
}

TEST_F(MainFormScenario, PluggingInOnTheNoMousePageConnectsAndLoads) {
  VirtualMirel& mouse = hid.AddMouse();
  hid.SetPlugged(mouse, false);
  form.ConnectDevice();
  ASSERT_EQ(form.Page(), 0);
  hid.SetPlugged(mouse, true);
  EXPECT_TRUE(form.Connected());
  view.RunTransfers();
  EXPECT_EQ(form.Page(), 3);
}

TEST_F(MainFormScenario, AnotherMouseComingAndGoingChangesNothing) {
  VirtualMirel& mouse = hid.AddMouse();
  ConnectAndLoad(mouse);
  VirtualMirel& other = hid.AddMouse({.vendorId = 0x5D93, .productId = 0x46B8});
  hid.SetPlugged(other, true);
  hid.SetPlugged(other, false);
  EXPECT_TRUE(form.Connected());
  EXPECT_EQ(form.Page(), 3);
  EXPECT_TRUE(other.Controls().empty());
}

TEST_F(MainFormScenario, ApplyOnProfileTwoKeepsTheProfileFlags) {
  VirtualMirel& mouse = hid.AddMouse();
  mouse.SetRegister(0xA6, 0xE1);
  ConnectAndLoad(mouse);
  form.SelectProfile(3, true);
  form.SelectProfile(2, true);
  EXPECT_TRUE(mouse.ReceivedReports().empty());  // switching tabs sends nothing
  EXPECT_EQ(view.pressedTab, 2);
  form.ApplyProfile();
  EXPECT_EQ(mouse.Register(0xA6), 0xF2);
  EXPECT_EQ(mouse.Controls().back(), (SControlCommand{0, 0, 0}));
  EXPECT_EQ(CRegistryStore(settings).GetDword(L"AP Startup Profile"), 2);
}

TEST_F(MainFormScenario, ApplyWithManyChangesWritesOnlyTheCurrentProfile) {
  VirtualMirel& mouse = hid.AddMouse();
  ConnectAndLoad(mouse);
  form.SelectProfile(1, true);
  for (int group = 0; group < 6; ++group)
    for (int i = 0; i < 4; ++i) form.Protocol().SetCachedValue(0x15 + 4 * group + i, 0x33);
  form.Protocol().SetCachedValue(0x3A, 0x05);  // profile 2: stays unwritten
  form.ApplyProfile();
  ASSERT_EQ(view.boxes.size(), 1u);
  EXPECT_EQ(view.boxes[0].kind, 340);
  EXPECT_EQ(view.boxes[0].progressRange, 24);  // the registers this save writes
  EXPECT_EQ(view.boxes[0].closedWith, 1);
  EXPECT_EQ(mouse.Register(0x15), 0x33);
  EXPECT_EQ(mouse.Register(0x2C), 0x33);
  EXPECT_TRUE(form.Protocol().Entry(0x3A).changed);
  EXPECT_NE(mouse.Register(0x3A), 0x05);
  EXPECT_EQ(mouse.Register(0xA6) & 0x13, 0x11);
  EXPECT_FALSE(form.Busy());
  // The level refresh ran all through the box and left the sliders alone.
  EXPECT_GT(view.ticksById[timer_id::kLevelRefresh], 0);
  for (int slider = form_id::kFirstSlider; slider < form_id::kFirstSlider + 4; ++slider)
    EXPECT_FALSE(view.boxes[0].enabledAtClose[slider]) << slider;
}

TEST_F(MainFormScenario, ClosingOnProfileThreeShowsItAtTheNextStart) {
  VirtualMirel& mouse = hid.AddMouse();
  form.OnInitDialog();
  view.RunTransfers();
  form.SelectProfile(3, true);
  mouse.ClearLog();
  form.OnCancel();
  EXPECT_TRUE(mouse.ReceivedReports().empty());
  EXPECT_EQ(CRegistryStore(settings).GetDword(L"AP Startup Profile"), 3);

  TestFormView nextView{clock};
  CMainForm next{Ports(nextView)};
  nextView.onTimer = [&](int id) { next.OnTimer(id); };
  next.OnInitDialog();
  nextView.RunTransfers();
  EXPECT_EQ(next.CurrentProfile(), 3);
  EXPECT_EQ(nextView.pressedTab, 3);
}

TEST_F(MainFormScenario, FactoryRestoreOfAnUnchangedProfileWritesNothing) {
  VirtualMirel& mouse = hid.AddMouse();
  ConnectAndLoad(mouse);
  form.SelectProfile(1, true);
  // The macro headers are not part of the load: known as read here.
  for (const ProfileEntry& e : form.FactoryValues().Entries(1))
    form.Protocol().StoreReadValue(e.reg, mouse.Register(e.reg));
  view.boxAnswers.push_back(1);  // yes, restore
  form.RestoreFactoryProfile();
  ASSERT_EQ(view.boxes.size(), 2u);
  EXPECT_EQ(view.boxes[0].kind, 343);
  EXPECT_EQ(view.boxes[0].text, L"回復此設定檔到出廠設定?");
  EXPECT_EQ(view.boxes[1].kind, 341);
  EXPECT_EQ(view.boxes[1].closedWith, 1);
  for (const auto& report : mouse.ReceivedReports())
    EXPECT_NE(report[1], 0xDE);
  const Controls& log = mouse.Controls();
  EXPECT_EQ(log.front(), (SControlCommand{5, 0, 0}));
  EXPECT_EQ(log[1], (SControlCommand{6, 3, 0}));
  EXPECT_EQ((Controls{log.end() - 3, log.end()}),
            (Controls{{6, 3, 3}, {0, 0, 0}, {6, 3, 3}}));
  EXPECT_FALSE(form.Busy());
  EXPECT_FALSE(view.TimerSet(timer_id::kBusyAnimation));
}

TEST_F(MainFormScenario, FactoryRestoreWritesTheFactoryValues) {
  VirtualMirel& mouse = hid.AddMouse();
  mouse.SetRegister(0x3A, 0x07);
  ConnectAndLoad(mouse);
  form.SelectProfile(2, true);
  view.boxAnswers.push_back(1);
  form.RestoreFactoryProfile();
  for (const ProfileEntry& e : form.FactoryValues().Entries(2))
    EXPECT_EQ(mouse.Register(e.reg), e.value) << e.reg;
}

struct SensitivityEditCase {
  const wchar_t* typed;
  std::wstring shown;
  int g1Value;  // stored in register 0x01 (profile 0, level 1, X)
  bool errorBox;
};

TEST_F(MainFormScenario, SensitivityEditsStoreTheirIndex) {
  const SensitivityEditCase cases[] = {
      {L"1300", L"1250", 0x4D, false},  // rounded down and shown at once
      {L"130", L"130", 0x05, false},    // small values keep their text
      {L"4000", L"4000", 0xFD, false},
      {L"4001", L"", 0x05, true},       // error, then emptied: the lowest level
      {L"abc", L"", 0x05, true},
      {L" 2,000", L" 2,000", 0x7D, false},  // tolerant reading, text kept
  };
  VirtualMirel& mouse = hid.AddMouse();
  ConnectAndLoad(mouse);
  for (const SensitivityEditCase& c : cases) {
    view.boxes.clear();
    view.Type(1029, c.typed);
    EXPECT_EQ(view.texts[1029], c.shown) << c.typed;
    EXPECT_EQ(form.Protocol().Entry(0x01).value, c.g1Value) << c.typed;
    EXPECT_EQ(view.boxes.size(), c.errorBox ? 1u : 0u) << c.typed;
    if (c.errorBox) {
      EXPECT_EQ(view.boxes[0].kind, 346);
      EXPECT_EQ(view.boxes[0].text, L"輸入錯誤。只能輸入0~4000之間的整數值。");
      EXPECT_EQ(view.focused, 1029);
    }
  }
  EXPECT_TRUE(form.Unsaved(0));
  EXPECT_TRUE(view.Enabled(form_id::kApply));
  EXPECT_TRUE(view.Enabled(form_id::kSensitivityReset));
}

TEST_F(MainFormScenario, SwappedGroupsPutXInTheSecondGroup) {
  VirtualMirel& mouse = hid.AddMouse();
  mouse.SetRegister(0x06, 0x40);
  ConnectAndLoad(mouse);
  view.Type(1029, L"1250");
  view.Type(1030, L"250");
  EXPECT_EQ(form.Protocol().Entry(0x122D).value, 0x49);
  EXPECT_EQ(form.Protocol().Entry(0x122E).value, 0x41);
}

TEST_F(MainFormScenario, HundredStepControllerShowsIndexForty) {
  VirtualMirel& mouse = hid.AddMouse({.version = 0x0710});
  mouse.SetRegister(0x01, 0x2F);
  ConnectAndLoad(mouse);
  EXPECT_EQ(form.Generation(), 0x0710);
  EXPECT_EQ(view.texts[1029], L"4000");
  EXPECT_EQ(view.sliderRange[1025], 40);
  EXPECT_EQ(form.FactoryValues().Entries(1)[1].value, 0x0B);
}

TEST_F(MainFormScenario, LevelButtonsSwitchTheLevelAndKeepTheHighBits) {
  VirtualMirel& mouse = hid.AddMouse();
  ConnectAndLoad(mouse);
  ASSERT_EQ(form.Protocol().Entry(0x00).value, 0x20);
  EXPECT_TRUE(view.readOnly[1030]);
  EXPECT_FALSE(view.readOnly[1029]);
  form.SetSensitivityLevel(1, true);
  EXPECT_EQ(form.Protocol().Entry(0x00).value, 0x21);
  EXPECT_TRUE(form.Protocol().Entry(0x00).changed);
  EXPECT_EQ(view.pictures[form_id::kLevel2], 228);
  EXPECT_EQ(view.pictures[form_id::kLevel1], 225);
  EXPECT_TRUE(view.readOnly[1029]);
  EXPECT_FALSE(view.readOnly[1030]);
  EXPECT_FALSE(view.Enabled(1025));
  EXPECT_TRUE(view.Enabled(1026));
  EXPECT_TRUE(form.SensitivityChanged(0));
}

TEST_F(MainFormScenario, SensitivityResetReturnsToTheLoadedValues) {
  VirtualMirel& mouse = hid.AddMouse();
  ConnectAndLoad(mouse);
  view.Type(1029, L"500");
  view.boxAnswers.push_back(1);
  form.ResetSensitivityToPrevious();
  EXPECT_EQ(form.Protocol().Entry(0x01).value, mouse.Register(0x01));
  EXPECT_EQ(view.texts[1029], L"1250");
  EXPECT_FALSE(form.SensitivityChanged(0));
  EXPECT_FALSE(view.Enabled(form_id::kSensitivityReset));
  EXPECT_TRUE(form.Unsaved(0));
}

// Button group scenarios run on custom profile 1 after a load.
class ButtonGroupScenario : public MainFormScenario {
 protected:
  void SetUp() override {
    mouse = &hid.AddMouse();
    form.OnInitDialog();
    view.RunTransfers();
    form.SelectProfile(1, true);
  }
  void Choose(int group, int listIndex) {
    view.Pick(form_id::kGroupLists + group, listIndex);
    form.OnFunctionChosen(group);
  }
  int Reg(int r) { return form.Protocol().Entry(r).value; }
  VirtualMirel* mouse = nullptr;
};

TEST_F(ButtonGroupScenario, GroupZeroListsNoMacro) {
  EXPECT_EQ(view.lists[form_id::kGroupLists].size(), 38u);
  EXPECT_EQ(view.lists[form_id::kGroupLists + 1].size(), 39u);
  EXPECT_EQ(view.lists[form_id::kGroupLists][6], L"  腳本 #1");
  Choose(0, 6);
  EXPECT_EQ(Reg(FunctionCodeRegister(1, 0)), 7);
  EXPECT_EQ(view.texts[form_id::kGroupTitles], L"腳本 #1");
  EXPECT_EQ(view.groupModes[0], 3);
  EXPECT_TRUE(view.Shown(form_id::kGroupScript));
  EXPECT_TRUE(form.ButtonsChanged(1));
  EXPECT_TRUE(view.Enabled(form_id::kButtonsReset));
}

TEST_F(ButtonGroupScenario, EveryFunctionChosenIsShownAgainAfterASwitch) {
  for (int group : {0, 1}) {
    for (int k = 0; k < ListItemCount(group); ++k) {
      if (EntryOfListIndex(group, k) == kKeyboardEntry) continue;  // shown by its keys
      Choose(group, k);
      const std::wstring title = view.texts[form_id::kGroupTitles + group];
      form.SelectProfile(2, true);
      form.SelectProfile(1, true);
      EXPECT_EQ(view.listSelection[form_id::kGroupLists + group], k) << group << ":" << k;
      EXPECT_EQ(view.texts[form_id::kGroupTitles + group], title) << group << ":" << k;
    }
  }
}

TEST_F(ButtonGroupScenario, RapidFireStoresItsParameters) {
  Choose(2, 24);
  EXPECT_EQ(Reg(FunctionCodeRegister(1, 2)), 4);
  EXPECT_EQ((std::array{Reg(ParameterRegister(1, 2, 0)), Reg(ParameterRegister(1, 2, 1)),
                        Reg(ParameterRegister(1, 2, 2)), Reg(ParameterRegister(1, 2, 3))}),
            (std::array{0x01, 0x03, 0x20, 0x06}));
  EXPECT_TRUE(form.Unsaved(1));
}

TEST_F(ButtonGroupScenario, KeyboardStartsEmptyAndFocused) {
  Choose(3, 5);
  EXPECT_EQ(Reg(FunctionCodeRegister(1, 3)), 2);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(Reg(ParameterRegister(1, 3, i)), 0);
  EXPECT_EQ(view.groupModes[3], 1);
  EXPECT_TRUE(view.Shown(form_id::kGroupKeyField + 3));
  EXPECT_EQ(view.focusedKeyField, 3);
  EXPECT_TRUE(form.Unsaved(1));

  // Typing Ctrl+A into the field (the focused field window is the selected
  // one) stores the combination for the button.
  form.KeyFields().SelectField(3);
  view.keysDown = {0xA2};  // left Control
  form.KeyFields().KeyDown(0x11);
  form.KeyFields().KeyDown('A');
  EXPECT_EQ(Reg(ParameterRegister(1, 3, 0)), 0x01);
  EXPECT_EQ(Reg(ParameterRegister(1, 3, 1)), 0x04);
  EXPECT_EQ(form.KeyFields().FieldState(3).text, L"[LCtrl]+[A]");
}

TEST_F(ButtonGroupScenario, ChoosingTheSameFunctionChangesNothing) {
  Choose(0, 1);  // the factory function of group 0: right button
  EXPECT_FALSE(form.ButtonsChanged(1));
  EXPECT_FALSE(form.Unsaved(1));
  EXPECT_FALSE(form.Protocol().Entry(FunctionCodeRegister(1, 0)).changed);
}

TEST_F(ButtonGroupScenario, StoredFunctionsAreShownWhenTheProfileIsDisplayed) {
  for (int group : {0, 4}) {
    form.Protocol().StoreReadValue(FunctionCodeRegister(2, group), 2);
    form.Protocol().StoreReadValue(ParameterRegister(2, group, 0), 0x08);
    form.Protocol().StoreReadValue(ParameterRegister(2, group, 1), 0x08);
  }
  // Code 1 with 0x20 is not in the table: group 5 keeps what it showed.
  form.Protocol().StoreReadValue(FunctionCodeRegister(2, 5), 1);
  form.Protocol().StoreReadValue(ParameterRegister(2, 5, 0), 0x20);
  const std::wstring before = view.texts[form_id::kGroupTitles + 5];
  form.SelectProfile(2, true);
  EXPECT_EQ(view.listSelection[form_id::kGroupLists], 36);
  EXPECT_EQ(view.listSelection[form_id::kGroupLists + 4], 37);
  EXPECT_EQ(view.texts[form_id::kGroupTitles + 4], L"我的電腦");
  EXPECT_EQ(view.texts[form_id::kGroupTitles + 5], before);
}

TEST_F(ButtonGroupScenario, StandardProfileShowsFixedFunctionsDisabled) {
  form.SelectProfile(0, true);
  const wchar_t* titles[] = {L"右鍵", L"中鍵", L"IE 前進鍵", L"IE 後退鍵", L"DPI [+]", L"DPI [-]"};
  for (int group = 0; group < 6; ++group) {
    EXPECT_EQ(view.texts[form_id::kGroupTitles + group], titles[group]) << group;
    EXPECT_FALSE(view.Enabled(form_id::kGroupTitles + group)) << group;
  }
  EXPECT_FALSE(view.Shown(form_id::kPencil));
}

TEST_F(ButtonGroupScenario, AnOpenListCoversControlsUntilItCloses) {
  form.SetListOpen(5, true);
  EXPECT_EQ(form.OpenGroup(), 5);
  EXPECT_FALSE(view.Enabled(form_id::kApply));
  EXPECT_FALSE(view.Enabled(form_id::kDone));
  form.SetListOpen(0, true);  // opening another closes the first
  EXPECT_EQ(form.OpenGroup(), 0);
  EXPECT_TRUE(view.Enabled(form_id::kDone));
  EXPECT_FALSE(view.Enabled(form_id::kApply));  // nothing unsaved
  EXPECT_FALSE(view.Enabled(form_id::kGroupLists + 4));
  form.OnLeftButtonUp();
  EXPECT_EQ(form.OpenGroup(), -1);
  EXPECT_TRUE(view.Enabled(form_id::kGroupLists + 4));
}

TEST_F(ButtonGroupScenario, ResetReturnsToTheLoadedFunctions) {
  Choose(1, 24);
  view.boxAnswers.push_back(1);
  form.ResetButtonsToPrevious();
  EXPECT_EQ(Reg(FunctionCodeRegister(1, 1)), mouse->Register(FunctionCodeRegister(1, 1)));
  EXPECT_EQ(view.texts[form_id::kGroupTitles + 1], L"中鍵");
  EXPECT_FALSE(form.ButtonsChanged(1));
  EXPECT_TRUE(form.Unsaved(1));
}

TEST_F(MainFormScenario, InformationButtonShowsTheFourProfileNames) {
  form.OnInitDialog();
  form.ShowModeSwitcherInfo();
  ASSERT_EQ(view.modeSwitcherNames.size(), 1u);
  EXPECT_EQ(view.modeSwitcherNames[0],
            (std::array<std::wstring, 4>{L"一般", L"設定檔 1", L"設定檔 2", L"設定檔 3"}));
  EXPECT_FALSE(form.Busy());
}

TEST_F(ButtonGroupScenario, EditingTheProfileNameMarksItUnsaved) {
  view.profileEdits.push_back({L"Sniper", L""});
  form.EditProfileNameAndPicture();
  EXPECT_EQ(form.Looks().Name(1), L"Sniper");
  EXPECT_EQ(CRegistryStore(settings).GetDword(L"Profile #1") , -1);  // a string, not a number
  EXPECT_TRUE(form.Unsaved(1));
  EXPECT_TRUE(form.SensitivityChanged(1));
  // The sensitivity reset brings the name of the program's start back.
  view.boxAnswers.push_back(1);
  form.ResetSensitivityToPrevious();
  EXPECT_EQ(form.Looks().Name(1), L"設定檔 1");
}

TEST_F(MainFormScenario, ConnectingSetsUpTheDataFoldersAndTheFileAssociation) {
  hid.AddMouse();
  form.OnInitDialog();
  EXPECT_FALSE(form.Folders().ImagesFolder().empty());
  std::wstring command;
  CRegistryStore registry(settings);
  EXPECT_EQ(registry.GetString(RegistryRoot::ClassesRoot, L"Mirel_Files\\shell\\open\\command", L"",
                               command, 1024), 1);
  EXPECT_NE(command.find(L"Mirel.exe"), std::wstring::npos);
}

}  // namespace
