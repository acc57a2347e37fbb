#include "skin/ParentHook.h"

#include <commctrl.h>

#include <utility>

bool CParentHook::Install(HWND parent, Handler handler) {
  Remove();
  handler_ = std::move(handler);
  if (parent == nullptr || !SetWindowSubclass(parent, &Procedure, reinterpret_cast<UINT_PTR>(this),
                                              reinterpret_cast<DWORD_PTR>(this))) {
    return false;
  }
  parent_ = parent;
  return true;
}

void CParentHook::Remove() {
  if (parent_ != nullptr && IsWindow(parent_)) {
    RemoveWindowSubclass(parent_, &Procedure, reinterpret_cast<UINT_PTR>(this));
  }
  parent_ = nullptr;
}

LRESULT CALLBACK CParentHook::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR, DWORD_PTR self) {
  auto* hook = reinterpret_cast<CParentHook*>(self);
  if (message == WM_NCDESTROY) {
    hook->Remove();
    return DefSubclassProc(window, message, wParam, lParam);
  }
  LRESULT result = 0;
  if (hook->handler_(message, wParam, lParam, result)) return result;
  return DefSubclassProc(window, message, wParam, lParam);
}
