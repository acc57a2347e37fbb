#include <windows.h>

#include "app/MirelAppWin32.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  CMirelApp app(instance);
  app.InitInstance();
  return app.ExitInstance();
}
