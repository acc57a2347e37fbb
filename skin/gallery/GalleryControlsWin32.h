// The gallery's page of controls: profile tabs, a function list with its
// skinned scroll bar, a button group's title and buttons in each state,
// and the command list with its header and bar, on one dark window.
#pragma once

#include <windows.h>

#include "skin/ColorListBoxEx.h"
#include "skin/GdiObject.h"
#include "skin/HoverButtonEx3.h"
#include "skin/SkinListCtrl.h"
#include "skin/SkinScrollWnd.h"
#include "skin/xSkinButtonEx.h"

class CGalleryControls {
 public:
  CGalleryControls();
  ~CGalleryControls();
  CGalleryControls(const CGalleryControls&) = delete;
  CGalleryControls& operator=(const CGalleryControls&) = delete;

  HWND Window() const { return window_; }

 private:
  HWND Child(const wchar_t* kind, DWORD style, int id, RECT place);
  void MakeTabs();
  void MakeGroup();
  void MakeFunctionList();
  void MakeCommandList();

  HWND window_ = nullptr;
  CFont font_;
  CHoverButtonEx3 tabs_[4];
  CxSkinButtonEx titles_[2];
  CxSkinButton groupButtons_[3];
  CColorListBoxEx functions_;
  CSkinScrollWnd functionBars_;
  CSkinListCtrl commands_;
};
