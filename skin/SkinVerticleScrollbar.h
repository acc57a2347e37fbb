// The vertical bar drawn beside the skinned list view: an 18-pixel strip
// of cap, arrows, track and thumb that shows and drives the list's
// vertical scroll position. The list's own scroll bars stay hidden.
#pragma once

#include <windows.h>

#include "skin/GdiObject.h"
#include "skin/ScrollThumb.h"

class CSkinVerticleScrollbar {
 public:
  static constexpr int kWidth = 18;

  CSkinVerticleScrollbar() = default;
  ~CSkinVerticleScrollbar();
  CSkinVerticleScrollbar(const CSkinVerticleScrollbar&) = delete;
  CSkinVerticleScrollbar& operator=(const CSkinVerticleScrollbar&) = delete;

  // Takes over a static control (given the notify style) for `list`.
  bool Attach(HWND bar, HWND list);
  // Moves the thumb to the list's scroll position.
  void UpdateThumbPosition();

  HWND Window() const { return window_; }
  int ThumbTop() const { return thumbTop_; }

  // For the window procedure.
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void Detach() { window_ = nullptr; }

 private:
  void Paint();
  void Put(HDC dc, HDC pieces, int picture, int y, int height) const;
  int Height() const;
  void Press(int y);
  void Drag(int y);
  void Release(int y);
  void EndPress();
  void Step(int code);

  HWND window_ = nullptr;
  HWND list_ = nullptr;
  CBitmap pieces_[5];  // cap, up arrow, track, thumb, down arrow
  int thumbTop_ = kBarHead;
  bool dragging_ = false;
  BarPart pressed_ = BarPart::Track;
  bool arrowHeld_ = false;
};
