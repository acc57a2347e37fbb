// Where the six scripts live: a mode register, length low and high, a
// delay-unit register and a run of data registers of fixed capacity. A
// button whose function code is 7 + s runs script s; scripts are shared by
// all profiles.
#pragma once

#include <array>
#include <optional>

struct ScriptRegisters {
  int mode;
  int lengthLow;
  int lengthHigh;
  int delayUnits;
  int dataStart;
  int capacity;
};

inline constexpr int kScriptCount = 6;
inline constexpr int kFirstScriptCode = 7;

inline constexpr std::array<ScriptRegisters, kScriptCount> kScripts{{
    {0xAA, 0x1200, 0x1201, 0x1202, 0x100, 256},
    {0xAB, 0x1203, 0x1204, 0x1205, 0x200, 256},
    {0xAC, 0x1206, 0x1207, 0x1208, 0x300, 256},
    {0xAD, 0x1209, 0x120A, 0x120B, 0x400, 256},
    {0xAE, 0x120C, 0x120D, 0x120E, 0x500, 512},
    {0xAF, 0x120F, 0x1210, 0x1211, 0x700, 512},
}};

// The script a function code runs; empty for codes outside 7..12.
inline constexpr std::optional<int> ScriptOfFunctionCode(int code) {
  if (code < kFirstScriptCode || code >= kFirstScriptCode + kScriptCount) return std::nullopt;
  return code - kFirstScriptCode;
}
