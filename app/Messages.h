// The texts of the program's standard message boxes.
#pragma once

#include <optional>
#include <string>

// The text `ShowMessage(number, suffix)` shows: the message followed directly
// by the suffix (a path or an address). Empty for numbers outside the table,
// which show nothing.
std::optional<std::wstring> ComposeMessage(int number, const wchar_t* suffix);

// The information shown instead of importing when the program is started
// with a file: the first line, a blank line, then the text.
std::wstring StartWithFileText();

// The skinned notice shown instead of opening a file the program was
// started with: the box kind, its first line and its text.
struct SkinnedNotice {
  int kind;
  std::wstring firstLine;
  std::wstring text;
};
SkinnedNotice StartWithFileNotice();
