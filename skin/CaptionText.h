// The caption of the captioned buttons: word-wrapped in its rectangle,
// vertically centred, ended with an ellipsis when too long.
#pragma once

#include <windows.h>

#include <string>

void DrawCaption(HDC dc, const std::wstring& text, HFONT font, const RECT& rect, COLORREF colour);
