// A button of a template drawn from four separate pictures (normal,
// pressed, hover, disabled), shaped by its normal picture: pixels of the
// outside grey are cut away. It keeps a check state of its own, so it can
// stand for a toggle.
#pragma once

#include <windows.h>

#include "skin/GdiObject.h"
#include "skin/HoverTracker.h"

class CxSkinButton {
 public:
  CxSkinButton() = default;
  virtual ~CxSkinButton();
  CxSkinButton(const CxSkinButton&) = delete;
  CxSkinButton& operator=(const CxSkinButton&) = delete;

  bool Attach(HWND dialog, int id);
  // A missing disabled picture (0) means the normal one. The button takes
  // the normal picture's size and shape; false when that picture is missing.
  bool SetLookPictures(int normal, int pressed, int hover, int disabled = 0);

  HWND Window() const { return window_; }
  bool Hover() const { return hover_.Hover(); }
  bool Checked() const { return checked_; }

 protected:
  // Draws the window text; `state` is the state image shown.
  virtual void DrawLabel(HDC dc, const RECT& rect, int state);

 public:
  // For the window procedure.
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void Detach() { window_ = nullptr; }

 private:
  LRESULT Repainting(UINT message, WPARAM wParam, LPARAM lParam);
  void Paint();
  void DrawPicture(HDC dc, const RECT& rect, int state);
  int State() const;

  HWND window_ = nullptr;
  CBitmap pictures_[4];
  CHoverTracker hover_;
  bool checked_ = false;
};
