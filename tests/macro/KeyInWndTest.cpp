#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <vector>

#include "macro/KeyInWnd.h"

namespace {

class ArrayRegisters : public RegisterStore {
 public:
  void SetChanged(int index, std::uint8_t value) override {
    if (!valid[index] || values[index] != value) changed.insert(index);
    values[index] = value;
    valid[index] = true;
  }
  std::uint8_t Value(int index) const override { return values[index]; }

  std::array<std::uint8_t, 256> values{};
  std::array<bool, 256> valid{};
  std::set<int> changed;
};

class HeldKeys : public KeyboardState {
 public:
  bool IsDown(int vk) const override { return held.count(vk) > 0; }
  std::set<int> held;
};

class RecordingFields : public KeyFieldView, public KeyFieldOwner {
 public:
  void Draw(int field, const KeyFieldDrawing& drawing) override { draws.push_back({field, drawing}); }
  void Focus(int field) override { focused = field; }
  void ButtonSettingsChanged(int profile) override { notices.push_back(profile); }

  std::vector<std::pair<int, KeyFieldDrawing>> draws;
  std::vector<int> notices;
  int focused = -1;
};

struct Fixture {
  Fixture() {
    keys.SetView(&fields);
    keys.SetOwner(&fields);
    keys.SetKeyboard(&held);
    keys.SetRegisters(&registers);
    keys.SetFieldCount(6);
    keys.SetDrawMode(CKeyInWnd::kOwnerDrawMode);
  }
  ArrayRegisters registers;
  HeldKeys held;
  RecordingFields fields;
  CKeyInWnd keys;
};

// One key event: down or up of a virtual key, with the left-hand keys held.
struct Event {
  bool down;
  int vk;
  std::set<int> leftHeld = {};
};

struct CaptureCase {
  const char* name;
  std::vector<Event> events;
  const wchar_t* text;
  std::array<std::uint8_t, 4> registers;  // 21..24: profile 1, field 0
};

constexpr int kLCtrl = 0xA2, kLShift = 0xA0, kLAlt = 0xA4, kShift = 0x10, kControl = 0x11;

const CaptureCase kCaptureCases[] = {
    {"three keys at most",
     {{true, kControl, {kLCtrl}}, {true, kShift, {kLCtrl, kLShift}}, {true, 'A'}, {false, 'A'},
      {true, 'B'}, {false, 'B'}, {true, 'C'}, {false, 'C'}, {true, 'D'}},
     L"[LCtrl]+[LShift]+[A]+[B]+[C]", {0x03, 0x04, 0x05, 0x06}},
    {"auto-repeat gives one key", {{true, 'A'}, {true, 'A'}, {true, 'A'}}, L"[A]", {0, 0x04, 0, 0}},
    {"a released key typed again is rejected", {{true, 'A'}, {false, 'A'}, {true, 'A'}}, L"[A]",
     {0, 0x04, 0, 0}},
    {"left Alt held", {{true, 0x12, {kLAlt}}, {true, 'A', {kLAlt}}}, L"[LAlt]+[A]",
     {0x04, 0x04, 0, 0}},
    {"right Shift alone", {{true, kShift}}, L"[RShift]", {0x20, 0, 0, 0}},
    {"right Shift with left Shift held counts as left",
     {{true, kShift, {kLShift}}, {false, kShift}, {true, kShift, {kLShift}}}, L"[LShift]",
     {0x02, 0, 0, 0}},
    {"Print Screen only on release", {{true, 0x2C}, {false, 0x2C}}, L"[PrtSc]", {0, 0x46, 0, 0}},
    {"keys without a name", {{true, 0x7C}, {false, 0x7C}, {true, 0x0D}}, L"[Enter]",
     {0, 0x28, 0, 0}},
};

TEST(KeyInWnd, CaptureSequences) {
  for (const CaptureCase& c : kCaptureCases) {
    Fixture f;
    ASSERT_EQ(f.keys.SetProfile(1), 1);
    ASSERT_EQ(f.keys.SelectField(0), 1);
    EXPECT_EQ(f.keys.RegisterBase(), 21);
    for (const Event& e : c.events) {
      f.held.held = e.leftHeld;
      if (e.down) f.keys.KeyDown(e.vk);
      else f.keys.KeyUp(e.vk);
    }
    EXPECT_EQ(f.keys.FieldState(0).text, c.text) << c.name;
    for (int i = 0; i < 4; ++i) EXPECT_EQ(f.registers.values[21 + i], c.registers[i]) << c.name << i;
    EXPECT_TRUE(f.keys.FieldState(0).edited) << c.name;
    ASSERT_FALSE(f.fields.draws.empty());
    EXPECT_EQ(f.fields.draws.back().second.textColour, CKeyInWnd::kEditedColour);
    EXPECT_EQ(f.fields.draws.back().second.text, c.text + std::wstring(36, L' ')) << c.name;
  }
}

TEST(KeyInWnd, EveryAcceptedKeyIsWrittenAndAnnounced) {
  Fixture f;
  f.keys.SetProfile(3);
  f.keys.SelectField(5);
  EXPECT_EQ(f.keys.RegisterBase(), 107 + 14 + 20);
  f.keys.KeyDown('Q');
  f.keys.KeyDown('Q');
  EXPECT_EQ(f.registers.changed, std::set<int>{142});
  EXPECT_EQ(f.fields.notices, std::vector<int>{3});
}

TEST(KeyInWnd, StandardProfileTakesNoKeys) {
  Fixture f;
  EXPECT_EQ(f.keys.SelectField(0), 0);
  EXPECT_FALSE(f.keys.KeyDown('A'));
  EXPECT_FALSE(f.keys.KeyUp('A'));
  f.keys.ClearField(true);
  EXPECT_TRUE(f.registers.changed.empty());
  EXPECT_EQ(f.keys.SetProfile(4), 0);
  f.keys.SetProfile(1);
  EXPECT_EQ(f.keys.SelectField(6), 0);
  EXPECT_EQ(f.keys.SelectField(-1), 0);
}

TEST(KeyInWnd, ReloadShowsTheRegistersUpToTheFirstUnnamedKey) {
  Fixture f;
  f.registers.values[71] = 0x11;
  f.registers.values[72] = 0x04;
  f.registers.values[73] = 0x00;
  f.registers.values[74] = 0x05;
  f.keys.SetProfile(2);
  f.keys.SelectField(0);
  EXPECT_EQ(f.keys.FieldState(0).text, L"[LCtrl]+[RCtrl]+[A]");
  EXPECT_EQ(f.keys.FieldState(0).keyCount, 2);
  EXPECT_EQ(f.fields.draws.back().second.textColour, CKeyInWnd::kPlainColour);
  f.keys.KeyDown('B');
  EXPECT_EQ(f.registers.values[73], 0x05);
  EXPECT_EQ(f.keys.FieldState(0).text, L"[LCtrl]+[RCtrl]+[A]+[B]");
}

TEST(KeyInWnd, ClearWithCommitErasesAndZeroesTheRegisters) {
  Fixture f;
  f.keys.SetProfile(1);
  f.keys.SelectField(2);
  for (int i = 29; i < 33; ++i) f.registers.valid[i] = true;
  f.keys.KeyDown('A');
  f.registers.changed.clear();
  f.fields.draws.clear();
  f.keys.ClearField(true);
  ASSERT_EQ(f.fields.draws.size(), 2u);
  EXPECT_EQ(f.fields.draws[0].second.textColour, CKeyInWnd::kBackground);
  EXPECT_EQ(f.fields.draws[0].second.text.substr(0, 3), L"[A]");
  EXPECT_EQ(f.fields.draws[1].second.text, std::wstring(36, L' '));
  EXPECT_EQ(f.fields.focused, 2);
  EXPECT_EQ(f.registers.changed, std::set<int>{30});
  for (int i = 29; i < 33; ++i) EXPECT_EQ(f.registers.values[i], 0);
  EXPECT_EQ(f.keys.FieldState(2).keyCount, 1);
  EXPECT_TRUE(f.keys.FieldState(2).edited);
}

TEST(KeyInWnd, ClearWithoutCommitTouchesOnlyTheField) {
  Fixture f;
  f.keys.SetProfile(1);
  f.keys.SelectField(0);
  f.keys.KeyDown('A');
  f.registers.changed.clear();
  f.fields.draws.clear();
  f.keys.ClearField(false);
  EXPECT_TRUE(f.fields.draws.empty());
  EXPECT_TRUE(f.registers.changed.empty());
  EXPECT_EQ(f.keys.FieldState(0).text, L"");
}

TEST(KeyInWnd, PaintingIsTransparentWithoutFiller) {
  Fixture f;
  f.keys.SetProfile(1);
  f.keys.SelectField(0);
  f.keys.KeyDown('A');
  KeyFieldDrawing paint = f.keys.PaintDrawing();
  EXPECT_EQ(paint.text, L"[A]");
  EXPECT_FALSE(paint.opaque);
  f.keys.SetDrawMode(0);
  f.keys.KeyDown('B');
  EXPECT_FALSE(f.fields.draws.back().second.opaque);
  EXPECT_EQ(f.fields.draws.back().second.text, L"[A]+[B]");
}

}  // namespace
