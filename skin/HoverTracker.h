// The hover state of a subclassed button: hover and leave notifications
// are asked for on the first move over it, and every change repaints it.
#pragma once

#include <windows.h>

class CHoverTracker {
 public:
  bool Hover() const { return hover_; }

  // WM_MOUSEMOVE: starts tracking unless it runs already.
  void OnMouseMove(HWND window) {
    if (tracking_) return;
    TRACKMOUSEEVENT track{sizeof(track), TME_HOVER | TME_LEAVE, window, 1};
    tracking_ = TrackMouseEvent(&track) != FALSE;
  }
  // WM_MOUSEHOVER.
  void OnHover(HWND window) {
    hover_ = true;
    InvalidateRect(window, nullptr, FALSE);
  }
  // Moves start tracking and go on to the button; hover and leave are
  // answered here (true).
  bool Handles(HWND window, UINT message) {
    switch (message) {
      case WM_MOUSEMOVE:
        OnMouseMove(window);
        return false;
      case WM_MOUSEHOVER:
        OnHover(window);
        return true;
      case WM_MOUSELEAVE:
        Clear(window);
        return true;
      default:
        return false;
    }
  }
  // WM_MOUSELEAVE, or a window that no longer sees the pointer leave.
  void Clear(HWND window) {
    hover_ = false;
    tracking_ = false;
    if (window != nullptr) InvalidateRect(window, nullptr, FALSE);
  }

 private:
  bool hover_ = false;
  bool tracking_ = false;
};
