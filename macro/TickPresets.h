// The editor's tick presets and modes, and how a stored byte selects them.
// The tick of a macro or script is u x 12 ms; the labels are the list's
// fixed texts (the 200, 250 and 400 ms presets really tick at 204, 252 and
// 396 ms).
#pragma once

#include <cstdint>

#include "editions/TextId.h"

struct TickPreset {
  const wchar_t* label;
  int units;
};

inline constexpr TickPreset kTickPresets[] = {
    {L"  12ms", 1},   {L"  24ms", 2},   {L"  36ms", 3},   {L"  48ms", 4},   {L"  60ms", 5},
    {L"  72ms", 6},   {L"  84ms", 7},   {L"  96ms", 8},   {L"  108ms", 9},  {L"  120ms", 10},
    {L"  132ms", 11}, {L"  144ms", 12}, {L"  200ms", 17}, {L"  250ms", 21}, {L"  384ms", 32},
    {L"  400ms", 33}, {L"  504ms", 42}, {L"  756ms", 63},
};
inline constexpr int kTickPresetCount = int(sizeof kTickPresets / sizeof kTickPresets[0]);
inline constexpr int kMsPerTickUnit = 12;

// The preset with exactly these units; the first preset for any other value.
int TickPresetIndexOf(int units);
// The units of a preset; an index outside the list counts as 1.
int TickUnitsOf(int presetIndex);

inline constexpr int kModeLoop = 4;
inline constexpr int kModeShoot = 5;
inline constexpr int kModeContinuousFire = 7;
inline constexpr int kModes[] = {kModeLoop, kModeShoot, kModeContinuousFire};
inline constexpr TextId kModeTexts[] = {IDS_SCRIPT_MODE_LOOP, IDS_SCRIPT_MODE_FIRE,
                                        IDS_SCRIPT_MODE_KEEP_FIRE};

// The mode list's entry for a stored mode byte (bits 4..6): shoot and
// continuous fire, anything else loop.
int ModeIndexOfByte(std::uint8_t modeByte);
// The stored mode byte of a mode list entry; no selection (-1) counts as loop.
std::uint8_t ModeByteOf(int modeIndex);
