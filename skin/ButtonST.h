// A flat picture button: one picture drawn through its mask (RGB(0,255,0)
// is see-through) over a background that changes under the mouse, with a
// 3-D border only while hovered or pressed.
#pragma once

#include <windows.h>

#include "skin/GdiObject.h"
#include "skin/HoverTracker.h"

class CButtonST {
 public:
  static constexpr COLORREF kTransparent = RGB(0, 255, 0);

  CButtonST() = default;
  virtual ~CButtonST();
  CButtonST(const CButtonST&) = delete;
  CButtonST& operator=(const CButtonST&) = delete;

  bool Attach(HWND dialog, int id);
  // Loads the picture, builds its mask and repaints; false when missing.
  bool SetPicture(int pictureId);
  void SetColours(COLORREF normal, COLORREF hoverOrPressed, COLORREF focused);

  HWND Window() const { return window_; }
  bool Hover() const { return hover_.Hover(); }

 protected:
  virtual void DrawBackground(HDC dc, const RECT& rect);
  virtual void DrawBorder(HDC dc, const RECT& rect);

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR id, DWORD_PTR self);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void Paint();
  bool Pressed() const;

  HWND window_ = nullptr;
  CBitmap picture_;
  CBitmap mask_;
  SIZE size_{0, 0};
  COLORREF normal_ = GetSysColor(COLOR_BTNFACE);
  COLORREF hoverOrPressed_ = GetSysColor(COLOR_BTNFACE);
  COLORREF focused_ = GetSysColor(COLOR_BTNFACE);
  CHoverTracker hover_;
};
