// Standard Windows message boxes with the program's caption.
#pragma once

#include <windows.h>

// Stop icon, topmost: the style of every hard error (0x40010).
inline constexpr UINT kStopBoxStyle = MB_OK | MB_ICONSTOP | MB_TOPMOST;

// Shows message `number` of the message table followed by `suffix`
// (may be null); numbers outside the table show nothing.
void ShowMessage(HWND owner, int number, const wchar_t* suffix = nullptr);

// Shows `text` with the caption IDS_APP_TITLE and `style`; returns the
// box's result.
int ShowStandardBox(HWND owner, const wchar_t* text, UINT style = kStopBoxStyle);
