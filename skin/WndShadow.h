// A soft drop shadow for a window: a layered, mouse-transparent popup
// behind its parent holding per-pixel-alpha pixels computed from the
// parent's region, following the parent's move, size, show and destroy.
#pragma once

#include <windows.h>

#include "skin/ShadowImage.h"

class CWndShadow {
 public:
  CWndShadow() = default;
  ~CWndShadow();
  CWndShadow(const CWndShadow&) = delete;
  CWndShadow& operator=(const CWndShadow&) = delete;

  // Registers the shadow window class once per process; false when the
  // system cannot update layered windows, and then no shadow is made.
  static bool Initialize();
  void CreateShadow(HWND parent);
  void UpdateShadow();

  HWND Window() const { return shadow_; }
  bool Visible() const { return (status_ & kVisible) != 0; }

 private:
  static constexpr int kEnabled = 1;
  static constexpr int kVisible = 2;
  static constexpr int kParentVisible = 4;

  static LRESULT CALLBACK ParentProcedure(HWND window, UINT message, WPARAM wParam,
                                          LPARAM lParam, UINT_PTR id, DWORD_PTR self);
  void OnParentMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void Show(bool show);

  HWND parent_ = nullptr;
  HWND shadow_ = nullptr;
  int status_ = 0;
  SShadowLook look_;
  LPARAM lastSize_ = 0;
  bool updatePending_ = false;
};
