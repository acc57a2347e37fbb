// The skinned list view of the command list: report rows in the list's
// colours with the selected row in its own pair and never the system
// highlight, a skinned header, and a skinned vertical bar in the list's
// last 18 pixels.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "skin/ParentHook.h"
#include "skin/SkinHeaderCtrl.h"
#include "skin/SkinVerticleScrollbar.h"

class CSkinListCtrl {
 public:
  static constexpr COLORREF kBackground = RGB(46, 56, 59);
  static constexpr COLORREF kText = RGB(214, 214, 217);
  static constexpr COLORREF kSelectedText = RGB(209, 247, 255);
  static constexpr COLORREF kSelectedBackground = RGB(10, 80, 125);

  CSkinListCtrl() = default;
  virtual ~CSkinListCtrl();
  CSkinListCtrl(const CSkinListCtrl&) = delete;
  CSkinListCtrl& operator=(const CSkinListCtrl&) = delete;

  // Takes over the report list view `id` of `dialog`, narrows it by the
  // width of the skinned bar and puts the bar there.
  bool Attach(HWND dialog, int id);

  HWND Window() const { return window_; }
  CSkinHeaderCtrl& Header() { return header_; }
  CSkinVerticleScrollbar& ScrollBar() { return bar_; }

  // For the window procedure.
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void Detach() { window_ = nullptr; }

 private:
  bool FromParent(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  LRESULT CustomDraw(NMLVCUSTOMDRAW& draw);
  void SetSelected(int row, bool selected);
  void ScrollOneRow(bool up);
  bool MakeBar(HWND dialog);

  HWND window_ = nullptr;
  CParentHook parent_;
  CSkinHeaderCtrl header_;
  CSkinVerticleScrollbar bar_;
  bool restyling_ = false;  // selection states changed only for drawing
};
