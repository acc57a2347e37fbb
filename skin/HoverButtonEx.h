// A picture button with hover: a button of a template, subclassed, drawn
// from a strip of four state images (normal, pressed, hover, disabled).
#pragma once

#include <windows.h>

#include <string>

#include "skin/GdiObject.h"
#include "skin/HoverTracker.h"

class CHoverButtonEx {
 public:
  CHoverButtonEx() = default;
  virtual ~CHoverButtonEx();
  CHoverButtonEx(const CHoverButtonEx&) = delete;
  CHoverButtonEx& operator=(const CHoverButtonEx&) = delete;

  // Takes over the button `id` of `dialog`.
  bool Attach(HWND dialog, int id);
  // Loads the strip, takes a quarter of it as the state size and gives the
  // button that size. A missing picture leaves a plain push button.
  bool SetBitmap(int pictureId, bool stacked = false);
  void ClearHover();
  // Creates the tooltip on first use; it pops down after two seconds.
  void SetToolTipText(const std::wstring& text, bool activate = true);
  const std::wstring& ToolTipText() const { return tipText_; }
  HWND ToolTip() const { return tip_; }

  HWND Window() const { return window_; }
  SIZE StateSize() const { return state_; }
  bool Hover() const { return hover_.Hover(); }

 protected:
  virtual void Draw(HDC dc, const RECT& rect, int state);
  virtual int StateImage() const;
  // Draws off screen, then copies the result onto `screen` in one block.
  virtual void PaintInto(HDC screen, const RECT& rect);
  virtual void OnMouseLeft() {}
  bool Pressed() const;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR id, DWORD_PTR self);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void Paint();
  void RelayToTip(UINT message, WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
  HWND tip_ = nullptr;
  std::wstring tipText_;
  CBitmap picture_;
  SIZE state_{0, 0};
  bool stacked_ = false;
  CHoverTracker hover_;
};
