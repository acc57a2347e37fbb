// Paints a window off screen and copies the result in one block, so a
// change of state never flickers.
#pragma once

#include <windows.h>

#include "skin/GdiObject.h"

template <typename Draw>
void PaintOffScreen(HWND window, Draw draw) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  RECT rect;
  GetClientRect(window, &rect);
  {
    CBitmap surface(CreateCompatibleBitmap(dc, rect.right, rect.bottom));
    CMemoryDC memory(dc, surface.Get());
    draw(memory.Get(), rect);
    BitBlt(dc, 0, 0, rect.right, rect.bottom, memory.Get(), 0, 0, SRCCOPY);
  }
  EndPaint(window, &ps);
}
