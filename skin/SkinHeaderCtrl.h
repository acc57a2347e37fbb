// The header of the skinned list view: 18 pixels high, drawn from a fill
// picture with an end piece before the first column and an edge after
// each, column texts in light grey.
#pragma once

#include <windows.h>

#include "skin/GdiObject.h"

class CSkinHeaderCtrl {
 public:
  static constexpr int kHeight = 18;
  static constexpr COLORREF kTextColour = RGB(200, 200, 200);

  CSkinHeaderCtrl() = default;
  ~CSkinHeaderCtrl();
  CSkinHeaderCtrl(const CSkinHeaderCtrl&) = delete;
  CSkinHeaderCtrl& operator=(const CSkinHeaderCtrl&) = delete;

  // Takes over the header of a list view; `background` shows where no
  // picture is.
  bool Attach(HWND header, COLORREF background);
  HWND Window() const { return window_; }

  // For the window procedure.
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void Detach() { window_ = nullptr; }

 private:
  LRESULT Layout(LPARAM lParam);
  void Paint();
  void DrawColumn(HDC dc, HDC pieces, int column);

  HWND window_ = nullptr;
  COLORREF background_ = RGB(0, 0, 0);
  CBitmap fill_;
  CBitmap end_;
  CBitmap edge_;
};
