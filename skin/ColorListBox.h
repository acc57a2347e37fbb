// An owner-drawn single-column list box (owner-draw and has-strings styles
// in its template) drawn in two colour pairs: one for its items, one for
// the selected item.
#pragma once

#include <windows.h>

#include "skin/GdiObject.h"
#include "skin/ParentHook.h"

class CColorListBox {
 public:
  CColorListBox() = default;
  virtual ~CColorListBox();
  CColorListBox(const CColorListBox&) = delete;
  CColorListBox& operator=(const CColorListBox&) = delete;

  bool Attach(HWND dialog, int id);
  void SetColours(COLORREF text, COLORREF background, COLORREF selectedText,
                  COLORREF selectedBackground);

  HWND Window() const { return window_; }

 protected:
  // Fills an unselected item, and the list below its last item.
  virtual void FillBackground(HDC dc, const RECT& rect);
  COLORREF Background() const { return background_; }

 public:
  // For the window procedure.
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void Detach() { window_ = nullptr; }

 private:
  bool FromParent(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  void DrawItem(const DRAWITEMSTRUCT& item);
  LRESULT ScrollByWheel(WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
  CParentHook parent_;
  COLORREF text_ = GetSysColor(COLOR_WINDOWTEXT);
  COLORREF background_ = GetSysColor(COLOR_WINDOW);
  COLORREF selectedText_ = GetSysColor(COLOR_HIGHLIGHTTEXT);
  COLORREF selectedBackground_ = GetSysColor(COLOR_HIGHLIGHT);
};
