// The command list's base names, one fixed slot per opcode. The key names
// and the bracketed command names are the same in every edition; the mouse
// button, wheel and script-stop names come from the edition.
#pragma once

#include <string_view>

inline constexpr int kOpcodeNameSlots = 256;
inline constexpr int kOpcodeNameChars = 36;

struct OpcodeNameTable {
  wchar_t names[kOpcodeNameSlots][kOpcodeNameChars];
};

// The names an edition supplies for the button, wheel and stop opcodes.
struct EditionOpcodeNames {
  const wchar_t* leftButton;
  const wchar_t* rightButton;
  const wchar_t* middleButton;
  const wchar_t* button4;
  const wchar_t* button5;
  const wchar_t* leftRightButton;
  const wchar_t* wheel;
  const wchar_t* scriptStop;
};

namespace opcode_names_detail {

// Names of the key codes 0x04..0x77; codes without a name are empty.
inline constexpr const wchar_t* kKeyNames[0x78] = {
    L"", L"", L"", L"",
    L"'A'", L"'B'", L"'C'", L"'D'", L"'E'", L"'F'", L"'G'", L"'H'", L"'I'", L"'J'",
    L"'K'", L"'L'", L"'M'", L"'N'", L"'O'", L"'P'", L"'Q'", L"'R'", L"'S'", L"'T'",
    L"'U'", L"'V'", L"'W'", L"'X'", L"'Y'", L"'Z'",
    L"'1'", L"'2'", L"'3'", L"'4'", L"'5'", L"'6'", L"'7'", L"'8'", L"'9'", L"'0'",
    L"'Return/Enter'", L"'Escape'", L"'BackSpace'", L"'Tab'", L"'Spacebar'",
    L"'-'", L"'='", L"'['", L"']'", L"'\\'", L"'~'", L"';'", L"'''", L"Tilde",
    L"','", L"'.'", L"'/'", L"'CapsLock'",
    L"'F1'", L"'F2'", L"'F3'", L"'F4'", L"'F5'", L"'F6'", L"'F7'", L"'F8'", L"'F9'",
    L"'F10'", L"'F11'", L"'F12'",
    L"'PrintScreen'", L"'ScrollLock'", L"'Pause'", L"'Insert'", L"'Home'", L"'PageUp'",
    L"'Delete'", L"'End'", L"'PageDown'", L"'RightArrow'", L"'LeftArrow'",
    L"'DownArrow'", L"'UpArrow'", L"'NumLock'",
    L"Keypad-'/'", L"Keypad-'*'", L"Keypad-'-'", L"Keypad-'+'", L"Keypad-'Enter'",
    L"Keypad-'1'", L"Keypad-'2'", L"Keypad-'3'", L"Keypad-'4'", L"Keypad-'5'",
    L"Keypad-'6'", L"Keypad-'7'", L"Keypad-'8'", L"Keypad-'9'", L"Keypad-'0'",
    L"Keypad-'.'", L"'|'", L"'Application'", L"'Power'", L"Keypad-'='",
    L"F13'", L"F14'", L"F15'", L"F16'", L"F17'", L"F18'", L"F19'", L"F20'",
    L"'Left-Ctrl'", L"'Left-Shift'", L"'Left-Alt'", L"'Left-Win'",
    L"'Right-Ctrl'", L"'Right-Shift'", L"'Right-Alt'", L"'Right-Win'",
};

// Copies a name into its slot. A name that does not fit (terminator
// included) is not a constant expression, so the edition's table fails to
// compile, as the other slot tables do.
constexpr void Put(OpcodeNameTable& table, int opcode, std::wstring_view name) {
  if (name.size() >= kOpcodeNameChars) throw "opcode name longer than its slot";
  for (std::size_t i = 0; i < name.size(); ++i) table.names[opcode][i] = name[i];
}

}  // namespace opcode_names_detail

constexpr OpcodeNameTable MakeOpcodeNames(const EditionOpcodeNames& edition) {
  using opcode_names_detail::Put;
  OpcodeNameTable table{};
  Put(table, 0x00, L"<All-Keys-Up>");
  Put(table, 0x02, L"<Loop>: ");
  for (int code = 0x04; code <= 0x77; ++code) {
    Put(table, code, opcode_names_detail::kKeyNames[code]);
    Put(table, code + 0x80, opcode_names_detail::kKeyNames[code]);
  }
  const wchar_t* buttons[] = {edition.leftButton, edition.rightButton, edition.middleButton,
                              edition.button4,    edition.button5,     edition.leftRightButton};
  for (int i = 0; i < 6; ++i) {
    Put(table, 0x78 + i, buttons[i]);
    Put(table, 0xF8 + i, buttons[i]);
  }
  Put(table, 0x7E, edition.wheel);
  Put(table, 0xFE, edition.wheel);
  Put(table, 0x7F, L"NOP");
  Put(table, 0x81, L"<Pause>");
  Put(table, 0x82, L"<Loop> End");
  Put(table, 0xFF, edition.scriptStop);
  return table;
}
