// The window procedure shared by the controls that take over a window of a
// template: it hands every message to the owning object's Handle(), and on
// the window's last message lets go of it and tells the object (Detach()).
#pragma once

#include <windows.h>

#include <commctrl.h>

template <typename Owner, UINT_PTR Id>
LRESULT CALLBACK SubclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR, DWORD_PTR self) {
  auto* owner = reinterpret_cast<Owner*>(self);
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(window, &SubclassProcedure<Owner, Id>, Id);
    owner->Detach();
    return DefSubclassProc(window, message, wParam, lParam);
  }
  return owner->Handle(message, wParam, lParam);
}

template <typename Owner, UINT_PTR Id>
bool Subclass(HWND window, Owner* owner) {
  return window != nullptr &&
         SetWindowSubclass(window, &SubclassProcedure<Owner, Id>, Id, reinterpret_cast<DWORD_PTR>(owner));
}

template <typename Owner, UINT_PTR Id>
void Unsubclass(HWND window) {
  if (window != nullptr && IsWindow(window)) RemoveWindowSubclass(window, &SubclassProcedure<Owner, Id>, Id);
}
