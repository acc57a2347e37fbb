// Lets windows of the test's own thread run for a while.
#pragma once

#include <windows.h>

inline void Pump(int milliseconds) {
  const DWORD end = GetTickCount() + milliseconds;
  MSG msg;
  while (static_cast<LONG>(end - GetTickCount()) > 0) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(10);
  }
}
