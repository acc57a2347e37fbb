#include <gtest/gtest.h>

#include <string>

#include "macro/KeyCodes.h"

namespace {

struct KeyCase {
  int vk;
  std::uint8_t code;
  const wchar_t* name;
};

const KeyCase kKeyCases[] = {
    {0x41, 0x04, L"[A]"},       {0x5A, 0x1D, L"[Z]"},          {0x31, 0x1E, L"[1]"},
    {0x39, 0x26, L"[9]"},       {0x30, 0x27, L"[0]"},          {0x0D, 0x28, L"[Enter]"},
    {0x08, 0x2A, L"[BackSpace]"}, {0xDE, 0x34, L"[\"]"},       {0xC0, 0x35, L"[`]"},
    {0x70, 0x3A, L"[F1]"},      {0x7B, 0x45, L"[F12]"},        {0x2C, 0x46, L"[PrtSc]"},
    {0x27, 0x4F, L"[->]"},      {0x6D, 0x56, L"[KeyPad--]"},   {0x61, 0x59, L"[KeyPad-1]"},
    {0x69, 0x61, L"[KeyPad-9]"}, {0x60, 0x62, L"[KeyPad-0]"},  {0x5D, 0x65, L"[Apps]"},
    {0xA2, 0x70, L"[LCtrl]"},   {0xA0, 0x71, L"[LShift]"},     {0xA4, 0x72, L"[LAlt]"},
    {0x5B, 0x73, L"[LWin]"},    {0x11, 0x74, L"[RCtrl]"},      {0x10, 0x75, L"[RShift]"},
    {0x12, 0x76, L"[RAlt]"},    {0x5C, 0x77, L"[RWin]"},
};

TEST(KeyCodes, VirtualKeysAndNames) {
  for (const KeyCase& c : kKeyCases) {
    EXPECT_EQ(VirtualKeyToKeyCode(c.vk), c.code) << std::hex << c.vk;
    ASSERT_NE(KeyCodeToName(c.code), nullptr) << std::hex << int(c.code);
    EXPECT_EQ(std::wstring(KeyCodeToName(c.code)), c.name);
    EXPECT_EQ(std::wstring(KeyCodeToName(std::uint8_t(c.code | 0x80))), c.name);
  }
}

TEST(KeyCodes, BothTablesHoldTheSame103Keys) {
  int named = 0;
  for (int code = 0; code < 0x80; ++code) named += KeyCodeToName(std::uint8_t(code)) ? 1 : 0;
  EXPECT_EQ(named, 103);
  int mapped = 0;
  for (int vk = 0; vk < 0x200; ++vk) {
    std::uint8_t code = VirtualKeyToKeyCode(vk);
    if (code == 0) continue;
    ++mapped;
    EXPECT_NE(KeyCodeToName(code), nullptr) << vk;
  }
  EXPECT_EQ(mapped, 103);
}

TEST(KeyCodes, KeysWithoutAName) {
  for (int code : {0x00, 0x32, 0x58, 0x64, 0x66, 0x6F, 0x78, 0x7F})
    EXPECT_EQ(KeyCodeToName(std::uint8_t(code)), nullptr) << code;
  for (int vk : {-1, 0x07, 0x7C /* F13 */, 0xDF, 0xA1 /* right Shift by side */, 0x1000})
    EXPECT_EQ(VirtualKeyToKeyCode(vk), 0) << vk;
}

TEST(KeyCodes, ModifierBits) {
  EXPECT_EQ(ModifierBit(0x70), 0x01);
  EXPECT_EQ(ModifierBit(0x75), 0x20);
  EXPECT_EQ(ModifierBit(0x77), 0x80);
  EXPECT_TRUE(IsModifierCode(0x70));
  EXPECT_FALSE(IsModifierCode(0x78));
}

}  // namespace
