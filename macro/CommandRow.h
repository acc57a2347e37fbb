// One command of a macro or script as the command list holds it: the
// command itself, its text, and the delay units that follow it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

struct CommandRow {
  int opcode = 0;
  // Bytes after the opcode in command order; for 0x83 the first is the sub.
  std::array<std::uint8_t, 5> operands{};
  std::wstring text;
  int icon = 0;
  // Delay units covering the command and the delay pairs after it (>= 1).
  int delay = 1;
  // Encoded length: command plus delay pairs.
  int bytes = 1;
};
