// A progress bar or busy spinner drawn as one picture of a sequence per
// step; RGB(0,255,0) in the pictures is see-through.
#pragma once

#include <windows.h>

#include <vector>

#include "skin/GdiObject.h"
#include "skin/ProgressFrames.h"

class CBitmapProgressBar {
 public:
  CBitmapProgressBar() = default;
  ~CBitmapProgressBar();
  CBitmapProgressBar(const CBitmapProgressBar&) = delete;
  CBitmapProgressBar& operator=(const CBitmapProgressBar&) = delete;

  bool Attach(HWND dialog, int id);
  // Hides the control and shows frame 0.
  void SetFrames(const std::vector<int>& pictureIds);
  // Back to frame 0, and the control is shown.
  void SetRange(int range);
  void SetPos(int position);
  int Frame() const { return frames_.Frame(); }
  HWND Window() const { return window_; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR id, DWORD_PTR self);
  void ShowFrame(int frame);
  void Paint();

  HWND window_ = nullptr;
  std::vector<int> ids_;
  CProgressFrames frames_;
  CBitmap picture_;
};
