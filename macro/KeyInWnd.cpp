#include "macro/KeyInWnd.h"

#include <bit>

#include "macro/KeyCodes.h"

namespace {

constexpr int kVkShift = 0x10;
constexpr int kVkControl = 0x11;
constexpr int kVkAlt = 0x12;
constexpr int kVkLeftShift = 0xA0;
constexpr int kVkLeftControl = 0xA2;
constexpr int kVkLeftAlt = 0xA4;
constexpr int kVkPrintScreen = 0x2C;

constexpr int kProfileRegisterBase[] = {0, 7, 57, 107};
constexpr int kFirstFieldRegister = 14;
constexpr int kRegistersPerField = 4;
constexpr int kFillerSpaces = 36;

}  // namespace

int CKeyInWnd::SetProfile(int profile) {
  if (profile < 0 || profile > 3) return 0;
  profile_ = profile;
  for (int field = 0; field < fieldCount_; ++field)
    if (SelectField(field)) ReloadField(false);
  return 1;
}

int CKeyInWnd::SelectField(int field) {
  if (field < 0 || field >= fieldCount_ || field >= kMaxFields || profile_ == 0) return 0;
  selected_ = field;
  registerBase_ = kProfileRegisterBase[profile_] + kFirstFieldRegister + kRegistersPerField * field;
  return 1;
}

bool CKeyInWnd::KeyDown(int vk) {
  if (profile_ == 0) return false;
  // Without a side the key counts as the right-hand one.
  if (keyboard_) {
    if (vk == kVkShift && keyboard_->IsDown(kVkLeftShift)) vk = kVkLeftShift;
    if (vk == kVkAlt && keyboard_->IsDown(kVkLeftAlt)) vk = kVkLeftAlt;
    if (vk == kVkControl && keyboard_->IsDown(kVkLeftControl)) vk = kVkLeftControl;
  }
  if (vk == lastKeyDown_) return true;  // auto-repeat
  lastKeyDown_ = vk;
  const std::uint8_t code = VirtualKeyToKeyCode(vk);
  if (!KeyCodeToName(code)) return true;
  if (IsModifierCode(code)) AddModifier(ModifierBit(code));
  else AddKey(code);
  Selected().edited = true;
  DrawSelected(TextColour());
  return true;
}

bool CKeyInWnd::KeyUp(int vk) {
  if (profile_ == 0) return false;
  lastKeyDown_ = 0;
  // The system reports Print Screen only when it is released.
  if (vk != kVkPrintScreen) return true;
  AddKey(kPrintScreenCode);
  Selected().edited = true;
  DrawSelected(TextColour());
  return true;
}

void CKeyInWnd::AddModifier(std::uint8_t bit) {
  Field& f = Selected();
  if (f.combination[0] & bit) return;
  f.combination[0] |= bit;
  Store(0, f.combination[0]);
  AppendName(KeyCodeToName(std::uint8_t(kFirstModifierCode + std::countr_zero(bit))));
}

void CKeyInWnd::AddKey(std::uint8_t code) {
  Field& f = Selected();
  if (f.keyCount >= 4) return;
  for (int i = 1; i < f.keyCount; ++i)
    if (f.combination[i] == code) return;
  f.combination[f.keyCount] = code;
  Store(f.keyCount, code);
  AppendName(KeyCodeToName(code));
  ++f.keyCount;
}

void CKeyInWnd::Store(int offset, std::uint8_t value) {
  if (registers_) registers_->SetChanged(registerBase_ + offset, value);
  if (owner_) owner_->ButtonSettingsChanged(profile_);
}

void CKeyInWnd::AppendName(const wchar_t* name) {
  std::wstring& text = Selected().text;
  if (!text.empty()) text += L"+";
  text += name;
}

void CKeyInWnd::ClearField(bool commit) {
  if (profile_ == 0) return;
  Field& f = Selected();
  if (commit) DrawSelected(kBackground);
  f.keyCount = 1;
  f.combination = {};
  f.text.clear();
  if (!commit) return;
  if (view_) view_->Focus(selected_);
  DrawSelected(TextColour());
  for (int offset = 0; offset < kRegistersPerField; ++offset)
    if (registers_) registers_->SetChanged(registerBase_ + offset, 0);
  if (owner_) owner_->ButtonSettingsChanged(profile_);
}

void CKeyInWnd::ReloadField(bool focus) {
  if (profile_ == 0) return;
  Field& f = Selected();
  if (focus && view_) view_->Focus(selected_);
  if (registers_)
    for (int offset = 0; offset < kRegistersPerField; ++offset)
      f.combination[offset] = registers_->Value(registerBase_ + offset);
  f.text.clear();
  for (int bit = 0; bit < 8; ++bit)
    if (f.combination[0] & (1 << bit)) AppendName(KeyCodeToName(std::uint8_t(kFirstModifierCode + bit)));
  f.keyCount = 1;
  for (int i = 1; i < 4; ++i) {
    const wchar_t* name = KeyCodeToName(f.combination[i]);
    if (!name) break;
    AppendName(name);
    ++f.keyCount;
  }
  DrawSelected(TextColour());
}

KeyFieldDrawing CKeyInWnd::PaintDrawing() const {
  return {fields_[selected_].text, TextColour(), false, kBackground};
}

std::uint32_t CKeyInWnd::TextColour() const {
  return fields_[selected_].edited ? kEditedColour : kPlainColour;
}

void CKeyInWnd::DrawSelected(std::uint32_t colour) {
  if (!view_) return;
  KeyFieldDrawing drawing{Selected().text, colour, false, kBackground};
  if (drawMode_ == kOwnerDrawMode) {
    drawing.opaque = true;
    drawing.text.append(kFillerSpaces, L' ');
  }
  view_->Draw(selected_, drawing);
}
