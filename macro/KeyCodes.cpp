#include "macro/KeyCodes.h"

namespace {

struct Key {
  std::uint8_t code;
  const wchar_t* name;
  int vk;
};

// Letters, digits, F1..F12 and the keypad digits run in order and are
// generated; this table holds the rest.
constexpr Key kKeys[] = {
    {0x27, L"[0]", 0x30},        {0x28, L"[Enter]", 0x0D},     {0x29, L"[ESC]", 0x1B},
    {0x2A, L"[BackSpace]", 0x08}, {0x2B, L"[Tab]", 0x09},      {0x2C, L"[Space]", 0x20},
    {0x2D, L"[-]", 0xBD},        {0x2E, L"[=]", 0xBB},         {0x2F, L"[[]", 0xDB},
    {0x30, L"[]]", 0xDD},        {0x31, L"[\\]", 0xDC},        {0x33, L"[;]", 0xBA},
    {0x34, L"[\"]", 0xDE},       {0x35, L"[`]", 0xC0},         {0x36, L"[<]", 0xBC},
    {0x37, L"[>]", 0xBE},        {0x38, L"[?]", 0xBF},         {0x39, L"[Caps]", 0x14},
    {0x46, L"[PrtSc]", 0x2C},    {0x47, L"[ScrLk]", 0x91},     {0x48, L"[Pause]", 0x13},
    {0x49, L"[Inst]", 0x2D},     {0x4A, L"[Home]", 0x24},      {0x4B, L"[PgUp]", 0x21},
    {0x4C, L"[Del]", 0x2E},      {0x4D, L"[End]", 0x23},       {0x4E, L"[PgDn]", 0x22},
    {0x4F, L"[->]", 0x27},       {0x50, L"[<-]", 0x25},        {0x51, L"[Down]", 0x28},
    {0x52, L"[Up]", 0x26},       {0x53, L"[NumLk]", 0x90},     {0x54, L"[KeyPad-/]", 0x6F},
    {0x55, L"[KeyPad-*]", 0x6A}, {0x56, L"[KeyPad--]", 0x6D},  {0x57, L"[KeyPad-+]", 0x6B},
    {0x62, L"[KeyPad-0]", 0x60}, {0x63, L"[KeyPad-.]", 0x6E},  {0x65, L"[Apps]", 0x5D},
    {0x70, L"[LCtrl]", 0xA2},    {0x71, L"[LShift]", 0xA0},    {0x72, L"[LAlt]", 0xA4},
    {0x73, L"[LWin]", 0x5B},     {0x74, L"[RCtrl]", 0x11},     {0x75, L"[RShift]", 0x10},
    {0x76, L"[RAlt]", 0x12},     {0x77, L"[RWin]", 0x5C},
};

constexpr const wchar_t* kLetters[26] = {
    L"[A]", L"[B]", L"[C]", L"[D]", L"[E]", L"[F]", L"[G]", L"[H]", L"[I]",
    L"[J]", L"[K]", L"[L]", L"[M]", L"[N]", L"[O]", L"[P]", L"[Q]", L"[R]",
    L"[S]", L"[T]", L"[U]", L"[V]", L"[W]", L"[X]", L"[Y]", L"[Z]"};
constexpr const wchar_t* kDigits[9] = {L"[1]", L"[2]", L"[3]", L"[4]", L"[5]",
                                       L"[6]", L"[7]", L"[8]", L"[9]"};
constexpr const wchar_t* kFunctionKeys[12] = {L"[F1]", L"[F2]", L"[F3]", L"[F4]",
                                              L"[F5]", L"[F6]", L"[F7]", L"[F8]",
                                              L"[F9]", L"[F10]", L"[F11]", L"[F12]"};
constexpr const wchar_t* kKeypadDigits[9] = {L"[KeyPad-1]", L"[KeyPad-2]", L"[KeyPad-3]",
                                             L"[KeyPad-4]", L"[KeyPad-5]", L"[KeyPad-6]",
                                             L"[KeyPad-7]", L"[KeyPad-8]", L"[KeyPad-9]"};

struct Run {
  std::uint8_t firstCode;
  int firstVk;
  int count;
  const wchar_t* const* names;
};

constexpr Run kRuns[] = {
    {0x04, 0x41, 26, kLetters},
    {0x1E, 0x31, 9, kDigits},
    {0x3A, 0x70, 12, kFunctionKeys},
    {0x59, 0x61, 9, kKeypadDigits},
};

constexpr int kFirstVk = 0x08;
constexpr int kLastVk = 0xDE;

}  // namespace

std::uint8_t VirtualKeyToKeyCode(int vk) {
  if (vk < kFirstVk || vk > kLastVk) return 0;
  for (const Run& run : kRuns)
    if (vk >= run.firstVk && vk < run.firstVk + run.count)
      return std::uint8_t(run.firstCode + (vk - run.firstVk));
  for (const Key& key : kKeys)
    if (key.vk == vk) return key.code;
  return 0;
}

const wchar_t* KeyCodeToName(std::uint8_t code) {
  code &= 0x7F;
  for (const Run& run : kRuns)
    if (code >= run.firstCode && code < run.firstCode + run.count)
      return run.names[code - run.firstCode];
  for (const Key& key : kKeys)
    if (key.code == code) return key.name;
  return nullptr;
}
