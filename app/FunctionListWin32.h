// A button group's drop-down function list: a standard owner-drawn list
// box of the template, drawn in the groups' colours by its dialog.
#pragma once

#include <windows.h>

class CFunctionList {
 public:
  static constexpr int kItemHeight = 18;

  bool Attach(HWND dialog, int id);
  HWND Window() const { return window_; }

  // WM_MEASUREITEM and WM_DRAWITEM of the list, passed on by its dialog.
  static void Measure(MEASUREITEMSTRUCT& item) { item.itemHeight = kItemHeight; }
  void Draw(const DRAWITEMSTRUCT& item) const;

 private:
  HWND window_ = nullptr;
};
