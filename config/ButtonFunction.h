// The functions a programmable button can have, how each is stored in the
// button's function-code register and four parameter registers, and how a
// group's drop-down list maps onto the function table.
//
// Group 0 (the right button) offers no macro: its list skips entry 6, so
// its list indices from 6 on are one below the entries they show.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "editions/TextId.h"

inline constexpr int kButtonFunctionCount = 39;

struct ButtonEncoding {
  std::uint8_t code;
  std::array<std::uint8_t, 4> parameters;
  friend bool operator==(const ButtonEncoding&, const ButtonEncoding&) = default;
};

struct ButtonFunction {
  TextId text;
  ButtonEncoding encoding;
};

// Entries 0..38 in list order.
const std::array<ButtonFunction, kButtonFunctionCount>& ButtonFunctions();

// Entries with a meaning of their own.
inline constexpr int kKeyboardEntry = 5;
inline constexpr int kMacroEntry = 6;
inline constexpr int kMyComputerEntry = 37;

// What a group shows under its title.
enum class ButtonMode { Plain = 0, Keyboard = 1, Macro = 2, Script = 3 };
ButtonMode ModeOfEntry(int entry);

// The list of a group: 38 items for group 0, 39 for the others.
int ListItemCount(int group);

// The entry behind list index k of a group; empty for an index outside
// the list.
std::optional<int> EntryOfListIndex(int group, int listIndex);

// The list index showing `entry` in a group; empty when the group does not
// list it (the macro in group 0) or the entry is unknown.
std::optional<int> ListIndexOfEntry(int group, int entry);

// A list item as the list shows it: two blanks, then the function's text.
std::wstring ListItemText(int entry);

// Code and parameters of list index k of a group; empty outside the list.
// The keyboard entry's parameters are the key-capture field's, not these.
std::optional<ButtonEncoding> EncodeButtonFunction(int group, int listIndex);

// List index of stored registers, or −1 when the table does not know them.
// Code 6 in group 0 is −1 too: that group lists no macro, and showing the
// list item in the macro's place would name a script the button does not
// run.
int DecodeButtonFunction(int group, std::uint8_t code, std::uint8_t p0, std::uint8_t p1,
                         std::uint8_t p2, std::uint8_t p3);

// A key combination typed into the key-capture field: its parameters belong
// to the field, so choosing it leaves the parameter registers alone.
bool IsPlainKeyCombination(int entry);

// Whether storing a choice marks the profile changed (buttons-changed and
// unsaved): the code register is marked changed, or a parameter that tells
// functions with the same code apart is.
bool ButtonChoiceMarksProfile(std::uint8_t code, bool codeChanged,
                              const std::array<bool, 4>& parameterChanged);

// The fixed functions of the standard profile's six buttons (entries).
inline constexpr std::array<int, 6> kStandardProfileFunctions = {1, 2, 4, 3, 13, 14};

// The controls a group's dropped list covers, disabled while it is open.
// Closing the list of group 5 re-enables apply (1009) only when the
// profile has unsaved changes.
std::span<const int> ControlsCoveredByList(int group);
