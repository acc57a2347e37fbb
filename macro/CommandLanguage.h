// The byte layout of the command language: how long each command is, which
// commands jump and where their target sits, and how delays become pairs.
#pragma once

#include <cstdint>
#include <vector>

#include "macro/CommandRow.h"

namespace command_language {

inline constexpr int kDelay = 0x01;
inline constexpr int kLoopStart = 0x02;
inline constexpr int kConsumer = 0x03;
inline constexpr int kMotion = 0x80;
inline constexpr int kLoopEnd = 0x82;
inline constexpr int kScript = 0x83;

inline constexpr int kSubAbsoluteMove = 0;
inline constexpr int kSubIfInput = 1;
inline constexpr int kSubGoto = 2;
inline constexpr int kSubIfVariable = 3;
inline constexpr int kSubAssign = 4;

// Bytes of the command with this opcode (and sub, for 0x83); 0 for an 0x83
// sub that is not part of the language.
int CommandLength(int opcode, int sub);

// Bytes of the delay pairs that follow a command with delay count d.
int DelayPairBytes(int delay);

// Index in the operand bytes of a jump's target low byte; -1 for commands
// that do not jump.
int JumpOperandIndex(int opcode, int sub);

// The row's command from the operands p1, p2 of the append, insert and set
// operations (for 0x83 give the sub separately).
CommandRow MakeCommand(int opcode, int sub, int p1, int p2);

int JumpTarget(const CommandRow& row);
void SetJumpTarget(CommandRow& row, int offset);

// Appends the row's command and delay pairs.
void EncodeRow(const CommandRow& row, std::vector<std::uint8_t>& out);

}  // namespace command_language
