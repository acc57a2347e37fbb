// The program's window until the skinned frame and the main form exist: a
// plain top-level window that owns the instance mutex the way the main form
// will, and closes normally.
#pragma once

#include <windows.h>

#include "app/InstanceMutexWin32.h"

class CPlainFrame {
 public:
  explicit CPlainFrame(HINSTANCE instance);
  CPlainFrame(const CPlainFrame&) = delete;
  CPlainFrame& operator=(const CPlainFrame&) = delete;

  bool AlreadyRunning() const { return mutex_.AlreadyRunning(); }

  // Shows the window and runs its message loop until it is closed.
  void RunModal();

  // Shown instead of running when the program is started with a file.
  void RefuseStartWithFile();

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HINSTANCE instance_;
  CInstanceMutex mutex_;
};
