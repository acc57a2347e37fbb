// Editing macros and scripts against a virtual mouse: which registers are
// read and written, what the editor is handed, and what the user sees when
// a transfer fails or the mouse holds a length that does not fit.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "app/FormIds.h"
#include "config/RegisterMap.h"
#include "tests/support/MainFormRig.h"
#include "tests/support/TestEdition.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using Controls = std::vector<SControlCommand>;
constexpr std::uint8_t kReadCommand = 0xDF;
constexpr std::uint8_t kWriteCommand = 0xDE;
constexpr int kScriptGroup = 2;

// The registers the mouse was asked to read or write, in order.
std::vector<int> Addressed(const VirtualMirel& mouse, std::uint8_t command) {
  std::vector<int> addresses;
  for (const auto& report : mouse.ReceivedReports())
    if (report.size() > 4 && report[1] == command) addresses.push_back(report[2] | report[4] << 8);
  return addresses;
}

// Button group 2 of profile 1 runs script s, whose length registers hold
// `length`.
void PutScript(VirtualMirel& mouse, int s, int lengthLow, int lengthHigh, int length) {
  mouse.SetRegister(FunctionCodeRegister(1, kScriptGroup), static_cast<std::uint8_t>(7 + s));
  mouse.SetRegister(lengthLow, static_cast<std::uint8_t>(length & 0xFF));
  mouse.SetRegister(lengthHigh, static_cast<std::uint8_t>(length >> 8));
}

Bytes Counting(int count, int first) {
  Bytes bytes;
  for (int i = 0; i < count; ++i) bytes.push_back(static_cast<std::uint8_t>(first + i));
  return bytes;
}

// A macro area in the mouse: length, mode byte, delay units, bytes.
void PutMacro(VirtualMirel& mouse, int base, const Bytes& bytes, std::uint8_t mode = 0x50,
              std::uint8_t units = 1) {
  mouse.SetRegister(base, static_cast<std::uint8_t>(bytes.size()));
  mouse.SetRegister(base + 1, mode);
  mouse.SetRegister(base + 2, units);
  for (std::size_t i = 0; i < bytes.size(); ++i) mouse.SetRegister(base + 3 + int(i), bytes[i]);
}

Bytes MouseBytes(const VirtualMirel& mouse, int first, int count) {
  Bytes bytes;
  for (int i = 0; i < count; ++i) bytes.push_back(mouse.Register(first + i));
  return bytes;
}

// An editor that keeps the tick and mode it was handed (or sets `mode`),
// stores `bytes`, and queues `answer` for the question after it.
TestFormView::ScriptedEditor Storing(TestFormView& view, Bytes bytes, int answer, int mode = -1) {
  return [&view, bytes, answer, mode](const FormView::EditorHandOver& h) {
    const int units = h.registers->Value(h.delayUnitRegister);
    const int modeByte = mode >= 0 ? mode : h.registers->Value(h.modeRegister);
    EXPECT_EQ(h.store({units, modeByte, bytes}), 1);
    view.boxAnswers.push_back(answer);
    return 1;
  };
}

class MacroUploadScenario : public ::testing::Test {
 protected:
  const SRegisterEntry& Cached(int r) { return rig.form.Protocol().Entry(r); }

  ScopedEdition edition{EditionId::TraditionalChinese};
  FormRig rig;
  VirtualMirel& mouse = rig.mouse;
  TestFormView& view = rig.view;
};

struct MacroButtonCase {
  int profile;
  int button;
  int macro;
  int base;
};

TEST_F(MacroUploadScenario, MacroButtonsEditTheirProfilesMacros) {
  const MacroButtonCase cases[] = {
      {2, 1064, 8, 0xD00}, {1, 1062, 0, 0x900}, {1, 1066, 4, 0xB00}, {3, 1066, 16, 0x1100}};
  for (const MacroButtonCase& c : cases) {
    SCOPED_TRACE(c.button);
    FormRig local;
    local.mouse.SetRegister(c.base, 3);
    local.mouse.SetRegister(c.base + 3, 0x42);
    local.Load(c.profile);
    local.view.editors.push_back([&](const FormView::EditorHandOver& h) {
      EXPECT_EQ(h.registers->Value(h.firstDataRegister), 0x42);
      return 2;
    });
    EXPECT_EQ(local.form.OnMacroButton(c.button), 0);
    ASSERT_EQ(local.view.editorOpenings.size(), 1u);
    const FormView::EditorHandOver& h = local.view.editorOpenings[0];
    EXPECT_EQ(h.macroIndex, c.macro);
    EXPECT_EQ(h.scriptIndex, -1);
    EXPECT_EQ(h.capacity, 125);
    EXPECT_EQ(h.modeRegister, c.base + 1);
    EXPECT_EQ(h.delayUnitRegister, c.base + 2);
    EXPECT_EQ(h.firstDataRegister, c.base + 3);
    EXPECT_EQ(h.dataLength, 3);
    EXPECT_EQ(h.background, 406);
    EXPECT_EQ(h.folder, local.form.Folders().LibraryFolder());
    std::vector<int> expected{c.base};
    for (int r = c.base + 1; r <= c.base + 5; ++r) expected.push_back(r);
    EXPECT_EQ(Addressed(local.mouse, kReadCommand), expected);
  }
}

TEST_F(MacroUploadScenario, CancelledEditorReadsBehindTheProgressBoxAndWritesNothing) {
  PutMacro(mouse, 0xD00, Counting(5, 0x10));
  rig.Load(2);
  view.editors.push_back([&](const FormView::EditorHandOver&) {
    // The form stays closed to other transfers while the editor is up.
    EXPECT_TRUE(rig.form.Busy());
    EXPECT_FALSE(view.Enabled(form_id::kApply));
    EXPECT_EQ(view.frameButtonsEnabled, false);
    return 2;
  });
  EXPECT_EQ(rig.form.OnMacroButton(1064), 0);
  ASSERT_EQ(view.boxes.size(), 1u);
  EXPECT_EQ(view.boxes[0].kind, 351);
  EXPECT_EQ(view.boxes[0].progressRange, 7);
  EXPECT_EQ(view.boxes[0].progress, (std::vector<int>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(view.boxes[0].closedWith, 1);
  EXPECT_EQ(view.editorOpenings.size(), 1u);
  EXPECT_EQ(mouse.Controls(), (Controls{{5, 0, 0}}));
  EXPECT_TRUE(Addressed(mouse, kWriteCommand).empty());
  EXPECT_FALSE(rig.form.Busy());
  EXPECT_EQ(view.frameButtonsEnabled, true);
}

TEST_F(MacroUploadScenario, UnchangedBytesWriteOnlyTheChangedRegisters) {
  const Bytes bytes = Counting(6, 0x20);
  PutMacro(mouse, 0xD00, bytes, 0x50, 1);
  rig.Load(2);
  view.editors.push_back(Storing(view, bytes, 1, 0x70));
  EXPECT_EQ(rig.form.OnMacroButton(1064), 1);
  EXPECT_EQ(Addressed(mouse, kWriteCommand), (std::vector<int>{0xD01}));
  EXPECT_EQ(mouse.Register(0xD01), 0x70);
  ASSERT_EQ(view.boxes.size(), 3u);
  EXPECT_EQ(view.boxes[1].kind, 343);
  EXPECT_EQ(view.boxes[1].text, L"將變更巨集，繼續?");
  EXPECT_EQ(view.boxes[2].kind, 340);
  EXPECT_EQ(view.boxes[2].progressRange, 8);
  EXPECT_EQ(view.boxes[2].closedWith, 1);
  EXPECT_FALSE(view.TimerSet(timer_id::kBusyAnimation));
  // A macro's write-back ends without the closing control command.
  EXPECT_EQ(mouse.Controls(), (Controls{{5, 0, 0}, {5, 0, 0}}));
  EXPECT_FALSE(Cached(0xD01).changed);
  EXPECT_FALSE(rig.form.Busy());
}

TEST_F(MacroUploadScenario, ShorteningAMacroKeepsTheOldBytesAfterItsEnd) {
  PutMacro(mouse, 0xD00, Counting(40, 0x30));
  rig.Load(2);
  const Bytes shorter = Counting(10, 0x80);
  view.editors.push_back(Storing(view, shorter, 1));
  EXPECT_EQ(rig.form.OnMacroButton(1064), 1);
  EXPECT_EQ(mouse.Register(0xD00), 10);
  EXPECT_EQ(MouseBytes(mouse, 0xD03, 10), shorter);
  EXPECT_EQ(MouseBytes(mouse, 0xD03 + 10, 30), Counting(30, 0x30 + 10));
  std::vector<int> written;
  for (int r = 0xD03; r < 0xD03 + 10; ++r) written.push_back(r);
  written.push_back(0xD00);  // the length last: it makes the new bytes count
  EXPECT_EQ(Addressed(mouse, kWriteCommand), written);
}

struct DeclinedMacroCase {
  int newLength;
  bool timed;  // 15 or more changed registers: the save runs behind the box
};

// A declined edit stays marked changed; the profile's save, which carries
// the macro's length, writes the edited bytes too, before the length that
// makes them count.
TEST_F(MacroUploadScenario, DeclinedMacroEditReachesTheMouseWithTheProfileSave) {
  const DeclinedMacroCase cases[] = {{6, false}, {40, true}};
  for (const DeclinedMacroCase& c : cases) {
    SCOPED_TRACE(c.newLength);
    FormRig local;
    PutMacro(local.mouse, 0xD00, Counting(4, 0x10));
    local.Load(2);
    const Bytes edited = Counting(c.newLength, 0x60);
    local.view.editors.push_back(Storing(local.view, edited, 2, 0x70));
    EXPECT_EQ(local.form.OnMacroButton(1064), 0);
    EXPECT_TRUE(Addressed(local.mouse, kWriteCommand).empty());
    std::vector<int> edits;
    for (int r = 0xD03; r < 0xD03 + c.newLength; ++r) edits.push_back(r);
    edits.insert(edits.end(), {0xD00, 0xD01});
    for (int r : edits) EXPECT_TRUE(local.form.Protocol().Entry(r).changed) << r;
    local.view.boxes.clear();

    local.form.ApplyProfile();
    EXPECT_EQ(local.mouse.Register(0xD00), c.newLength);
    EXPECT_EQ(local.mouse.Register(0xD01), 0x70);
    EXPECT_EQ(MouseBytes(local.mouse, 0xD03, c.newLength), edited);
    edits.push_back(0xA6);  // the profile made active
    EXPECT_EQ(Addressed(local.mouse, kWriteCommand), edits);
    for (int r = 0xD00; r < 0xD80; ++r) EXPECT_FALSE(local.form.Protocol().Entry(r).changed) << r;
    if (c.timed) {
      ASSERT_EQ(local.view.boxes.size(), 1u);
      EXPECT_EQ(local.view.boxes[0].progressRange, c.newLength + 2);
      EXPECT_EQ(local.view.boxes[0].progress.back(), c.newLength + 2);
    } else {
      EXPECT_TRUE(local.view.boxes.empty());
    }
  }
}

struct FailingWriteCase {
  bool confirmed;  // the editor's own write-back fails, else the profile's save
  int timer;
};

// A write stopped half-way leaves the old length in the mouse, never a new
// one over old bytes; what was not written stays marked, and the profile's
// next save finishes the macro.
TEST_F(MacroUploadScenario, WriteFailingHalfWayNeverLeavesTheNewLengthAlone) {
  const FailingWriteCase cases[] = {{true, timer_id::kMacroWrite},
                                    {false, timer_id::kSaveProfile}};
  for (const FailingWriteCase& c : cases) {
    SCOPED_TRACE(c.confirmed);
    FormRig local;
    PutMacro(local.mouse, 0xD00, Counting(4, 0x10));
    local.Load(2);
    const Bytes edited = Counting(40, 0x60);
    local.view.editors.push_back(Storing(local.view, edited, c.confirmed ? 1 : 2, 0x70));
    int ticks = 0;
    local.view.onTimer = [&](int id) {
      if (id == c.timer && ++ticks == 10) local.mouse.SetFault("fail-set", 1000);
      local.form.OnTimer(id);
    };
    local.form.OnMacroButton(1064);
    if (!c.confirmed) local.form.ApplyProfile();
    EXPECT_EQ(local.view.boxes.back().closedWith, 2);
    EXPECT_EQ(local.mouse.Register(0xD00), 4);
    EXPECT_EQ(local.mouse.Register(0xD01), 0x50);
    EXPECT_TRUE(local.form.Protocol().Entry(0xD00).changed);

    local.mouse.SetFault("fail-set", 0);
    local.form.ApplyProfile();
    EXPECT_EQ(local.view.boxes.back().closedWith, 1);
    EXPECT_EQ(local.mouse.Register(0xD00), 40);
    EXPECT_EQ(MouseBytes(local.mouse, 0xD03, 40), edited);
  }
}

struct UncarriedEditCase {
  bool script;  // script 1 through button group 2, else macro 0
  bool done;    // the done button's save, else the profile's apply
};

// Neither the done button's save nor the profile's save carries a script's
// length, nor does the done button's save carry a macro's: they leave the
// declined edit in the cache and the mouse's macro or script whole.
TEST_F(MacroUploadScenario, SavesWithoutTheLengthLeaveADeclinedEditAlone) {
  const UncarriedEditCase cases[] = {{false, true}, {true, false}, {true, true}};
  for (const UncarriedEditCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "script " << c.script << " done " << c.done);
    FormRig local;
    const int lengthRegister = c.script ? 0x1203 : 0x900;
    const int dataStart = c.script ? 0x200 : 0x903;
    PutScript(local.mouse, 1, 0x1203, 0x1204, 3);
    PutMacro(local.mouse, 0x900, Counting(3, 0x10));
    for (int i = 0; i < 3; ++i) local.mouse.SetRegister(0x200 + i, static_cast<std::uint8_t>(0x10 + i));
    local.Load(1);
    local.view.editors.push_back(Storing(local.view, Counting(40, 0x60), 2, 0x70));
    if (c.script) {
      local.form.OnScriptButton(form_id::kGroupScript + kScriptGroup);
    } else {
      local.form.OnMacroButton(1062);
    }
    local.form.Protocol().SetCachedValue(0x1212, 0x23);  // a setting the saves carry
    if (c.done) {
      local.form.SetUnsaved(1, true);
      local.view.boxAnswers.push_back(1);
      local.form.OnDone();
    } else {
      local.form.ApplyProfile();
    }
    EXPECT_EQ(local.mouse.Register(0x1212), 0x23);
    EXPECT_EQ(local.mouse.Register(lengthRegister), 3);
    EXPECT_EQ(MouseBytes(local.mouse, dataStart, 3), Counting(3, 0x10));
    EXPECT_TRUE(local.form.Protocol().Entry(lengthRegister).changed);
    EXPECT_TRUE(local.form.Protocol().Entry(dataStart + 39).changed);
  }
}

TEST_F(MacroUploadScenario, ReadFailingHalfWayOpensNoEditor) {
  PutMacro(mouse, 0xD00, Counting(20, 0x10));
  rig.Load(2);
  int ticks = 0;
  view.onTimer = [&](int id) {
    if (id == timer_id::kMacroRead && ++ticks == 6) mouse.SetFault("fail-get", 1000);
    rig.form.OnTimer(id);
  };
  EXPECT_EQ(rig.form.OnMacroButton(1064), 0);
  EXPECT_EQ(view.boxes.back().closedWith, 2);
  EXPECT_TRUE(view.editorOpenings.empty());
  EXPECT_EQ(view.boxes.size(), 1u);
  EXPECT_TRUE(view.stopMessages.empty());
  EXPECT_FALSE(view.TimerSet(timer_id::kMacroRead));
  EXPECT_FALSE(rig.form.Busy());
  // What was read before the failure is in the cache.
  EXPECT_TRUE(Cached(0xD03).valid);
  EXPECT_EQ(Cached(0xD03).value, 0x10);
}

TEST_F(MacroUploadScenario, FailedLengthReadEndsSilently) {
  PutMacro(mouse, 0xD00, Counting(3, 0x10));
  rig.Load(2);
  mouse.SetFault("fail-get", 1000);
  EXPECT_EQ(rig.form.OnMacroButton(1064), 0);
  EXPECT_TRUE(view.boxes.empty());
  EXPECT_TRUE(view.stopMessages.empty());
  EXPECT_FALSE(rig.form.Busy());
}

TEST_F(MacroUploadScenario, WriteFailingHalfWayIsShownAndKeepsTheRestMarked) {
  PutMacro(mouse, 0xD00, Counting(20, 0x10));
  rig.Load(2);
  view.editors.push_back(Storing(view, Counting(20, 0x90), 1));
  int ticks = 0;
  view.onTimer = [&](int id) {
    if (id == timer_id::kMacroWrite && ++ticks == 8) mouse.SetFault("fail-set", 1000);
    rig.form.OnTimer(id);
  };
  EXPECT_EQ(rig.form.OnMacroButton(1064), 0);
  EXPECT_EQ(view.boxes.back().kind, 340);
  EXPECT_EQ(view.boxes.back().closedWith, 2);
  EXPECT_EQ(view.stopMessages, std::vector<std::wstring>{L"Error: Failed to SAVE MOUSE CONFIGURE!"});
  EXPECT_FALSE(view.TimerSet(timer_id::kMacroWrite));
  EXPECT_FALSE(view.TimerSet(timer_id::kBusyAnimation));
  EXPECT_FALSE(rig.form.Busy());
  int written = 0;
  for (int i = 0; i < 20; ++i) {
    const int r = 0xD03 + i;
    if (Cached(r).changed) {
      EXPECT_EQ(mouse.Register(r), 0x10 + i) << r;
    } else {
      EXPECT_EQ(mouse.Register(r), 0x90 + i) << r;
      ++written;
    }
  }
  EXPECT_GT(written, 0);
  EXPECT_LT(written, 20);
}

TEST_F(MacroUploadScenario, LengthAboveTheAreaIsCutToItsCapacity) {
  mouse.SetRegister(0xD00, 200);
  for (int r = 0xD03; r < 0xD80; ++r) mouse.SetRegister(r, 0x11);
  for (int r = 0xD80; r < 0xE00; ++r) mouse.SetRegister(r, 0x77);  // the next macro
  rig.Load(2);
  view.editors.push_back([&](const FormView::EditorHandOver& h) {
    EXPECT_EQ(h.dataLength, 125);
    EXPECT_EQ(h.store({1, 0x50, Bytes(126, 0x22)}), 0);  // beyond the area: nothing stored
    EXPECT_EQ(Cached(0xD03).value, 0x11);
    EXPECT_EQ(h.store({1, 0x50, Bytes(125, 0x11)}), 1);
    view.boxAnswers.push_back(1);
    return 1;
  });
  EXPECT_EQ(rig.form.OnMacroButton(1064), 1);
  for (int r : Addressed(mouse, kReadCommand)) EXPECT_LT(r, 0xD80) << r;
  EXPECT_EQ(Addressed(mouse, kWriteCommand), (std::vector<int>{0xD00}));
  EXPECT_EQ(mouse.Register(0xD00), 125);
  EXPECT_EQ(MouseBytes(mouse, 0xD80, 128), Bytes(128, 0x77));
}

struct LongScriptCase {
  int script;
  int lengthLow;
  int lengthHigh;
  int dataStart;
  bool opens;
};

TEST_F(MacroUploadScenario, ScriptOf512BytesFitsOnlyTheLargeScripts) {
  const LongScriptCase cases[] = {
      {0, 0x1200, 0x1201, 0x100, false}, {1, 0x1203, 0x1204, 0x200, false},
      {2, 0x1206, 0x1207, 0x300, false}, {3, 0x1209, 0x120A, 0x400, false},
      {4, 0x120C, 0x120D, 0x500, true},  {5, 0x120F, 0x1210, 0x700, true}};
  for (const LongScriptCase& c : cases) {
    SCOPED_TRACE(c.script);
    FormRig local;
    PutScript(local.mouse, c.script, c.lengthLow, c.lengthHigh, 512);
    local.Load(1);
    EXPECT_EQ(local.form.OnScriptButton(form_id::kGroupScript + kScriptGroup), 0);
    if (c.opens) {
      ASSERT_EQ(local.view.editorOpenings.size(), 1u);
      const FormView::EditorHandOver& h = local.view.editorOpenings[0];
      EXPECT_EQ(h.scriptIndex, c.script);
      EXPECT_EQ(h.macroIndex, -1);
      EXPECT_EQ(h.capacity, 512);
      EXPECT_EQ(h.dataLength, 512);
      EXPECT_EQ(h.firstDataRegister, c.dataStart);
      EXPECT_EQ(h.background, 405);
      EXPECT_EQ(local.view.boxes[0].kind, 352);
      EXPECT_EQ(local.view.boxes[0].progressRange, 4 + 512);
      EXPECT_TRUE(local.view.stopMessages.empty());
    } else {
      EXPECT_TRUE(local.view.editorOpenings.empty());
      EXPECT_TRUE(local.view.boxes.empty());
      EXPECT_EQ(local.view.stopMessages, std::vector<std::wstring>{L"錯誤的檔案格式。"});
    }
    // High length byte first, then the low one.
    const auto reads = Addressed(local.mouse, kReadCommand);
    ASSERT_GE(reads.size(), 2u);
    EXPECT_EQ(reads[0], c.lengthHigh);
    EXPECT_EQ(reads[1], c.lengthLow);
    EXPECT_FALSE(local.form.Busy());
  }
}

TEST_F(MacroUploadScenario, ScriptWriteBackEndsWithTheClosingCommand) {
  PutScript(mouse, 1, 0x1203, 0x1204, 3);
  for (int i = 0; i < 3; ++i) mouse.SetRegister(0x200 + i, static_cast<std::uint8_t>(0x40 + i));
  rig.Load(1);
  view.editors.push_back(Storing(view, Counting(4, 0x40), 1));
  EXPECT_EQ(rig.form.OnScriptButton(form_id::kGroupScript + kScriptGroup), 1);
  EXPECT_EQ(view.boxes[1].text, L"將變更劇本2，繼續?");
  EXPECT_EQ(Addressed(mouse, kWriteCommand), (std::vector<int>{0x203, 0x1203}));
  EXPECT_EQ(mouse.Register(0x1203), 4);
  EXPECT_EQ(mouse.Register(0x203), 0x43);
  EXPECT_EQ(mouse.Controls(), (Controls{{5, 0, 0}, {5, 0, 0}, {0, 0, 0}}));
}

TEST_F(MacroUploadScenario, ButtonsWithNothingToEditDoNothing) {
  rig.Load(1);
  EXPECT_EQ(rig.form.OnMacroButton(form_id::kGroupMacro), 0);  // group 0 has no macro
  EXPECT_EQ(rig.form.OnScriptButton(form_id::kGroupScript + kScriptGroup), 0);  // a mouse button
  rig.form.SelectProfile(0, false);
  mouse.ClearLog();
  EXPECT_EQ(rig.form.OnMacroButton(1064), 0);
  EXPECT_EQ(mouse.SetCalls() + mouse.GetCalls(), 0);
  EXPECT_TRUE(view.stopMessages.empty());
  EXPECT_TRUE(view.boxes.empty());
}

}  // namespace
