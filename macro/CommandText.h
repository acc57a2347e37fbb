// What a command row says in the list: its text, its icon and its delay.
#pragma once

#include <string>

#include "macro/CommandRow.h"

// The row's text in the current edition. `targetLine` is the line a jump
// shows (resolved target row + 1), or 0 when its target resolves to no row.
std::wstring CommandText(const CommandRow& row, int targetLine);

// Index of the row's icon in the command list's image list.
int CommandIcon(const CommandRow& row);

// Delay count x tick in milliseconds, followed by the edition's unit.
std::wstring DelayText(int delay, int tickMs);
