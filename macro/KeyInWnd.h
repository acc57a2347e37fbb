// The key-capture fields of the main form: each takes up to three keys and
// any of the eight modifiers, shows them as "[LCtrl]+[A]" and writes them at
// once to the four button-parameter registers of its field. This is the
// logic; the window class forwards its messages here.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "macro/KeyFieldOwner.h"
#include "macro/KeyFieldView.h"
#include "macro/KeyboardState.h"
#include "macro/RegisterStore.h"

class CKeyInWnd {
 public:
  static constexpr int kMaxFields = 10;
  static constexpr int kOwnerDrawMode = 2;
  static constexpr std::uint32_t kEditedColour = Rgb(250, 250, 250);
  static constexpr std::uint32_t kPlainColour = Rgb(200, 200, 200);
  static constexpr std::uint32_t kBackground = Rgb(87, 109, 115);

  struct Field {
    // Modifier byte, then up to three key codes.
    std::array<std::uint8_t, 4> combination{};
    // 1 + keys stored: the index of the byte the next key goes into.
    int keyCount = 1;
    std::wstring text;
    bool edited = false;
  };

  void SetView(KeyFieldView* view) { view_ = view; }
  void SetKeyboard(const KeyboardState* keyboard) { keyboard_ = keyboard; }
  void SetRegisters(RegisterStore* registers) { registers_ = registers; }
  void SetOwner(KeyFieldOwner* owner) { owner_ = owner; }
  void SetFieldCount(int count) { fieldCount_ = count; }
  void SetDrawMode(int mode) { drawMode_ = mode; }

  int SetProfile(int profile);
  int SelectField(int field);
  void ClearField(bool commit);
  void ReloadField(bool focus);
  // Key messages for the selected field; false while they belong to the
  // default handling (no custom profile).
  bool KeyDown(int vk);
  bool KeyUp(int vk);
  // The selected field's text as painted: transparent, without filler.
  KeyFieldDrawing PaintDrawing() const;

  int Profile() const { return profile_; }
  int SelectedField() const { return selected_; }
  int RegisterBase() const { return registerBase_; }
  const Field& FieldState(int field) const { return fields_[field]; }

 private:
  void AddModifier(std::uint8_t bit);
  void AddKey(std::uint8_t code);
  void Store(int offset, std::uint8_t value);
  void AppendName(const wchar_t* name);
  void DrawSelected(std::uint32_t colour);
  std::uint32_t TextColour() const;
  Field& Selected() { return fields_[selected_]; }

  KeyFieldView* view_ = nullptr;
  const KeyboardState* keyboard_ = nullptr;
  RegisterStore* registers_ = nullptr;
  KeyFieldOwner* owner_ = nullptr;
  int fieldCount_ = kMaxFields;
  int drawMode_ = 0;
  int profile_ = 0;
  int selected_ = 0;
  int registerBase_ = 0;
  int lastKeyDown_ = 0;
  std::array<Field, kMaxFields> fields_{};
};
