// One skinned scroll bar of a CSkinScrollWnd: a scroll-bar control whose
// drawing and mouse handling are ours, from a picture cut into nine equal
// strips (arrows up, down, left, right; vertical and horizontal thumb;
// vertical and horizontal track; the corner). Its scroll messages go to
// its parent like any scroll bar's.
#pragma once

#include <windows.h>

#include "skin/ScrollBarGeometry.h"

class CSkinScrollBar {
 public:
  CSkinScrollBar() = default;
  ~CSkinScrollBar();
  CSkinScrollBar(const CSkinScrollBar&) = delete;
  CSkinScrollBar& operator=(const CSkinScrollBar&) = delete;

  bool Create(HWND parent, int id, bool vertical, HBITMAP strips);
  // Copies the range, page and position over; true when they differed.
  bool Follow(const SCROLLINFO& info);
  SScrollRange Range() const;

  HWND Window() const { return window_; }
  bool Vertical() const { return vertical_; }

  // For the window procedure.
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void Detach() { window_ = nullptr; }

 private:
  void Paint();
  void DrawStrip(HDC dc, HDC scratch, int strip, RECT to) const;
  void DrawThumb(HDC dc, HDC scratch, const RECT& client, const SThumb& thumb) const;
  int Length() const;
  int Arrow() const;
  int Along(LPARAM point) const;
  void Press(int at);
  void Drag(int at);
  void Release();
  void Send(int code, int position = 0);

  HWND window_ = nullptr;
  HBITMAP strips_ = nullptr;  // owned by the CSkinScrollWnd
  bool vertical_ = true;
  ScrollHit pressed_ = ScrollHit::Thumb;
  bool holding_ = false;
  int grip_ = 0;  // mouse offset into the thumb while dragging
  int dragPos_ = 0;
};
