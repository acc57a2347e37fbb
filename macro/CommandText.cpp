#include "macro/CommandText.h"

#include <array>
#include <cstdint>

#include "editions/Edition.h"
#include "macro/CommandLanguage.h"

namespace cl = command_language;

namespace {

// Base names of the script commands, by sub.
constexpr const wchar_t* kScriptNames[] = {L"Absoluted Move: ", L"IF ", L"GOTO ", L"IF ", L"SET "};

struct ConsumerName {
  int usage;
  TextId id;
};
constexpr ConsumerName kConsumerNames[] = {
    {181, IDS_CONSUMER_181}, {182, IDS_CONSUMER_182}, {183, IDS_CONSUMER_183},
    {205, IDS_CONSUMER_205}, {226, IDS_CONSUMER_226}, {233, IDS_CONSUMER_233},
    {234, IDS_CONSUMER_234}, {387, IDS_CONSUMER_387}, {394, IDS_CONSUMER_394},
    {402, IDS_CONSUMER_402}, {404, IDS_CONSUMER_404}, {547, IDS_CONSUMER_547},
};

// Variable comparisons by condition code; "n" stands for the constant.
constexpr std::array<const wchar_t*, 36> kComparisons = {
    L"A == B", L"A == C", L"A == n", L"B == C", L"B == n", L"C == n",
    L"A > B",  L"A > C",  L"A > n",  L"A >= B", L"A >= C", L"A >= n",
    L"A < B",  L"A < C",  L"A < n",  L"A <= B", L"A <= C", L"A <= n",
    L"B > C",  L"B > n",  L"B >= C", L"B >= n", L"B < C",  L"B < n",
    L"B <= C", L"B <= n", L"C > n",  L"C >= n", L"C < n",  L"C <= n",
    L"A != B", L"A != C", L"A != n", L"B != C", L"B != n", L"C != n",
};

// Assignments by code; "n" stands for the constant. Codes 24 and 25 have no
// blank before it, as the list has always shown them.
constexpr std::array<const wchar_t*, 63> kAssignments = {
    L"A = n",     L"B = n",     L"C = n",     L"A = B",     L"A = C",     L"B = A",
    L"B = C",     L"C = A",     L"C = B",     L"A = A + B", L"A = A + C", L"A = B + C",
    L"A = A + n", L"A = B + n", L"A = C + n", L"B = A + B", L"B = A + C", L"B = B + C",
    L"B = A + n", L"B = B + n", L"B = C + n", L"C = A + B", L"C = A + C", L"C = B + C",
    L"C = A +n",  L"C = B +n",  L"C = C + n", L"A = n - A", L"A = n - B", L"A = n - C",
    L"A = A - n", L"A = B - n", L"A = C - n", L"A = A - B", L"A = B - A", L"A = A - C",
    L"A = C - A", L"A = B - C", L"A = C - B", L"B = n - A", L"B = n - B", L"B = n - C",
    L"B = A - n", L"B = B - n", L"B = C - n", L"B = A - B", L"B = B - A", L"B = A - C",
    L"B = C - A", L"B = B - C", L"B = C - B", L"C = n - A", L"C = n - B", L"C = n - C",
    L"C = A - n", L"C = B - n", L"C = C - n", L"C = A - B", L"C = B - A", L"C = A - C",
    L"C = C - A", L"C = B - C", L"C = C - B",
};

// Codes from a file or the mouse may lie outside the table: they show
// nothing rather than a text from past its end.
template <std::size_t N>
std::wstring WithConstant(const std::array<const wchar_t*, N>& table, int code, int constant) {
  if (code < 0 || code >= int(N)) return L"";
  std::wstring text = table[code];
  if (auto n = text.find(L'n'); n != std::wstring::npos) text.replace(n, 1, std::to_wstring(constant));
  return text;
}

int Word(const CommandRow& row, int i) { return row.operands[i] | (row.operands[i + 1] << 8); }
int SignedWord(const CommandRow& row, int i) { return std::int16_t(std::uint16_t(Word(row, i))); }

std::wstring Point(const CommandRow& row, int i) {
  return L"(" + std::to_wstring(SignedWord(row, i)) + L", " + std::to_wstring(SignedWord(row, i + 2)) +
         L")";
}

std::wstring ConsumerText(int usage) {
  for (const ConsumerName& c : kConsumerNames)
    if (c.usage == usage) return Text(c.id);
  return L"Code=" + std::to_wstring(usage);
}

std::wstring InputConditions(int lock, int buttons) {
  const bool up = lock & 0x40;
  const wchar_t* joiner = (lock & 0x80) ? L" AND " : L" OR ";
  const std::wstring lockNames[] = {L"'NumLock'", L"'CapsLock'", L"'ScrollLock'"};
  const std::wstring buttonNames[] = {Text(IDS_CMD_BTN_LEFT),    Text(IDS_CMD_BTN_RIGHT),
                                      Text(IDS_CMD_BTN_MIDDLE),  Text(IDS_CMD_BTN_BACK),
                                      Text(IDS_CMD_BTN_FORWARD), Text(IDS_CMD_BTN_6),
                                      L"Button-7",               L"Button-8"};
  std::wstring text;
  auto add = [&](const std::wstring& condition) {
    if (!text.empty()) text += joiner;
    text += L"(" + condition + L")";
  };
  for (int bit = 0; bit < 3; ++bit)
    if (lock & (1 << bit)) add(lockNames[bit] + (up ? L" unlock" : L" lock"));
  for (int bit = 0; bit < 8; ++bit)
    if (buttons & (1 << bit)) add(buttonNames[bit] + (up ? L" release" : L" press"));
  return text;
}

std::wstring Line(int targetLine) { return targetLine > 0 ? std::to_wstring(targetLine) : L"??"; }

std::wstring ScriptSuffix(const CommandRow& row, int targetLine) {
  const auto& o = row.operands;
  switch (o[0]) {
    case cl::kSubAbsoluteMove: return Point(row, 1);
    case cl::kSubIfInput:
      return L"(" + InputConditions(o[1], o[2]) + L")  GOTO " + Line(targetLine);
    case cl::kSubGoto: return Line(targetLine);
    case cl::kSubIfVariable:
      return L"(" + WithConstant(kComparisons, o[1], o[2]) + L")  GOTO " + Line(targetLine);
    case cl::kSubAssign: return WithConstant(kAssignments, o[1], o[2]);
    default: return L"";
  }
}

}  // namespace

std::wstring CommandText(const CommandRow& row, int targetLine) {
  switch (row.opcode) {
    case cl::kLoopStart: return OpcodeName(row.opcode) + std::to_wstring(row.operands[0] + 1) + L" Times";
    case cl::kConsumer: return ConsumerText(Word(row, 0));
    case cl::kMotion: return Point(row, 0);
    case cl::kScript:
      if (row.operands[0] > cl::kSubAssign) return L"";
      return kScriptNames[row.operands[0]] + ScriptSuffix(row, targetLine);
    default: return OpcodeName(row.opcode);
  }
}

int CommandIcon(const CommandRow& row) {
  const int op = row.opcode;
  if ((op >= 0x04 && op <= 0x77) || op == 0x7F) return 1;
  if (op >= 0x84 && op <= 0xF7) return 2;
  if (op >= 0x78 && op <= 0x7D) return 3;
  if (op >= 0xF8 && op <= 0xFD) return 4;
  if (op == 0x7E) return 5;
  if (op == 0xFE) return 6;
  if (op == cl::kConsumer) return 8;
  if (op == cl::kMotion) return 9;
  if (op == cl::kScript) {
    constexpr int kScriptIcons[] = {9, 10, 11, 10, 12};
    return row.operands[0] <= cl::kSubAssign ? kScriptIcons[row.operands[0]] : 13;
  }
  return 13;
}

std::wstring DelayText(int delay, int tickMs) {
  return std::to_wstring(static_cast<long long>(delay) * tickMs) + Text(IDS_MS);
}
