// Where the mouse keeps each setting in its byte-wide register space.
//
// Profile 0 is the standard profile (fixed buttons, no button or macro
// block in the mouse); profiles 1..3 are the custom profiles.
#pragma once

#include <cstdint>

inline constexpr int kRegisterCount = 8192;
inline constexpr int kProfileCount = 4;
inline constexpr int kButtonGroupCount = 6;
inline constexpr int kButtonParameterCount = 4;

inline constexpr bool IsCustomProfile(int profile) { return profile >= 1 && profile <= 3; }

// Option register; its bit 6 swaps the roles of the two sensitivity groups.
inline constexpr int kOptionRegister = 0x06;
inline constexpr std::uint8_t kSensitivitySwapBit = 0x40;

// Profile register: bits 0..1 active profile, bit 4 set on every apply,
// bits 5..7 profile flags of profiles 1..3, bits 2..3 kept.
inline constexpr int kProfileRegister = 0xA6;
// Read with the configuration, never interpreted.
inline constexpr int kUninterpretedRegister = 0xA7;

inline constexpr int kIdentificationRegister = 0xBA;
inline constexpr std::uint8_t kIdentificationValue = 0x6D;
inline constexpr int kControllerTypeRegister = 0xBB;

// Button block of custom profile p (1..3): 7, 57, 107.
inline constexpr int ButtonBlockBase(int profile) { return 50 * profile - 43; }
inline constexpr int kButtonBlockSize = 50;

// Function code of programmable button `group` (0..5) in custom profile p.
inline constexpr int FunctionCodeRegister(int profile, int group) {
  return ButtonBlockBase(profile) + 1 + group;
}

// Parameter byte `index` (0..3) of programmable button `group`.
inline constexpr int ParameterRegister(int profile, int group, int index) {
  return ButtonBlockBase(profile) + 14 + 4 * group + index;
}

// Macro-area block of custom profile p: six areas of 0x80 registers each,
// starting with the length, the mode byte and the delay units.
inline constexpr int MacroBlockBase(int profile) { return 0x900 + 0x300 * (profile - 1); }
inline constexpr int kMacroAreaSize = 0x80;
inline constexpr int kMacroAreasPerProfile = 6;
