// The application object: starts the libraries the program needs, applies
// the start-up rules (a file argument is refused, a second copy is refused)
// and otherwise runs the frame until it closes.
#pragma once

#include <windows.h>

#include <cstdint>

class CMirelApp {
 public:
  explicit CMirelApp(HINSTANCE instance) : instance_(instance) {}

  // Runs the whole program; returns false so that the process then ends.
  bool InitInstance();

  // Shuts GDI+ down; returns the process exit code.
  int ExitInstance();

 private:
  HINSTANCE instance_;
  ULONG_PTR gdiplusToken_ = 0;
  int exitCode_ = 0;
};
