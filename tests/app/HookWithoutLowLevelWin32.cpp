// A stand-in for the hook library that lacks "_LLMouseProc@12", so that a
// test can see how far the program's binding goes with it. "LinkCalls"
// tells how often the binding called "LinkNextHook".
#include <windows.h>

namespace {

LONG g_LinkCalls = 0;

}  // namespace

extern "C" {

LRESULT CALLBACK MouseProc(int code, WPARAM wParam, LPARAM lParam) {
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void LinkNextHook(HHOOK, HHOOK) { ++g_LinkCalls; }

LONG LinkCalls() { return g_LinkCalls; }

}  // extern "C"
