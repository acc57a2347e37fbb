// The one-byte key code of the macro subsystem (keyboard usages, with
// 0x70..0x77 for the eight modifiers), its names and the map from Windows
// virtual keys. Both tables hold the same 103 keys.
#pragma once

#include <cstdint>

inline constexpr std::uint8_t kFirstModifierCode = 0x70;
inline constexpr std::uint8_t kLastModifierCode = 0x77;
inline constexpr std::uint8_t kPrintScreenCode = 0x46;

// 0 for virtual keys without a key code. The side-neutral Shift, Control and
// Alt keys give the right-hand codes.
std::uint8_t VirtualKeyToKeyCode(int vk);

// The bracketed name of a key code (bit 7, the release mark, is ignored);
// null for codes without a name.
const wchar_t* KeyCodeToName(std::uint8_t code);

inline bool IsModifierCode(std::uint8_t code) {
  return code >= kFirstModifierCode && code <= kLastModifierCode;
}

// The modifier byte's bit of a modifier code.
inline std::uint8_t ModifierBit(std::uint8_t code) {
  return std::uint8_t(1u << (code - kFirstModifierCode));
}
