// A plain top-level window holding one control, for tests of a control
// class that takes over a control by its id.
#pragma once

#include <windows.h>

class CHostWindow {
 public:
  CHostWindow(const wchar_t* controlClass, DWORD controlStyle, RECT control, int id)
      : window_(CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 100, 100,
                                control.right + 20, control.bottom + 20, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr)) {
    CreateWindowExW(0, controlClass, L"", WS_CHILD | WS_VISIBLE | controlStyle, control.left,
                    control.top, control.right - control.left, control.bottom - control.top,
                    window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                    GetModuleHandleW(nullptr), nullptr);
  }
  ~CHostWindow() { DestroyWindow(window_); }
  CHostWindow(const CHostWindow&) = delete;
  CHostWindow& operator=(const CHostWindow&) = delete;

  HWND Get() const { return window_; }

 private:
  HWND window_;
};
