#include "macro/CommandLanguage.h"

namespace command_language {

namespace {

constexpr int kDelayPairFull = 0xFF;

std::uint8_t Low(int v) { return std::uint8_t(v & 0xFF); }
std::uint8_t High(int v) { return std::uint8_t((v >> 8) & 0xFF); }

int Sub(const CommandRow& row) { return row.opcode == kScript ? row.operands[0] : 0; }

}  // namespace

int CommandLength(int opcode, int sub) {
  switch (opcode) {
    case kDelay: return 2;
    case kLoopStart:
    case kConsumer:
    case kLoopEnd: return 3;
    case kMotion: return 5;
    case kScript:
      if (sub == kSubGoto || sub == kSubAssign) return 4;
      if (sub == kSubAbsoluteMove || sub == kSubIfInput || sub == kSubIfVariable) return 6;
      return 0;
    default: return 1;
  }
}

int DelayPairBytes(int delay) {
  if (delay < 2) return 0;
  return 2 * ((delay - 1) / kDelayPairFull + 1);
}

int JumpOperandIndex(int opcode, int sub) {
  if (opcode == kLoopEnd) return 0;
  if (opcode != kScript) return -1;
  if (sub == kSubGoto) return 1;
  if (sub == kSubIfInput || sub == kSubIfVariable) return 3;
  return -1;
}

CommandRow MakeCommand(int opcode, int sub, int p1, int p2) {
  CommandRow row;
  row.opcode = opcode & 0xFF;
  auto& o = row.operands;
  switch (row.opcode) {
    case kLoopStart: o = {Low(p1 - 1), 0}; break;
    case kConsumer:
    case kLoopEnd: o = {Low(p1), High(p1)}; break;
    case kMotion: o = {Low(p1), High(p1), Low(p2), High(p2)}; break;
    case kScript:
      if (sub == kSubGoto) o = {Low(sub), Low(p1), High(p1)};
      else if (sub == kSubAssign) o = {Low(sub), Low(p1), Low(p2)};
      else o = {Low(sub), Low(p1), High(p1), Low(p2), High(p2)};
      break;
    default: break;
  }
  row.bytes = CommandLength(row.opcode, Sub(row));
  return row;
}

int JumpTarget(const CommandRow& row) {
  int i = JumpOperandIndex(row.opcode, Sub(row));
  if (i < 0) return -1;
  return row.operands[i] | (row.operands[i + 1] << 8);
}

void SetJumpTarget(CommandRow& row, int offset) {
  int i = JumpOperandIndex(row.opcode, Sub(row));
  if (i < 0) return;
  row.operands[i] = Low(offset);
  row.operands[i + 1] = High(offset);
}

void EncodeRow(const CommandRow& row, std::vector<std::uint8_t>& out) {
  out.push_back(std::uint8_t(row.opcode));
  int length = CommandLength(row.opcode, Sub(row));
  for (int i = 0; i + 1 < length; ++i) out.push_back(row.operands[i]);
  if (row.delay < 2) return;
  for (int n = 0; n < (row.delay - 1) / kDelayPairFull; ++n) {
    out.push_back(kDelay);
    out.push_back(kDelayPairFull);
  }
  out.push_back(kDelay);
  out.push_back(std::uint8_t((row.delay - 1) % kDelayPairFull));
}

}  // namespace command_language
