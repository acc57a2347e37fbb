// A background window with the close button 2003 in its title strip.
#pragma once

#include "skin/HoverButtonEx.h"
#include "skin/TranslucentDlg.h"

class CSkinBGDlg : public CTranslucentDlg {
 public:
  static constexpr int kCloseButton = 2003;

  using CTranslucentDlg::CTranslucentDlg;

  virtual void LockTitleButtons(bool lock);
  virtual void DrawFrameText(bool) {}
  virtual void CloseBox();

 protected:
  BOOL OnInitDialog() override;
  void OnCommand(int id, int code, HWND control) override;

  CHoverButtonEx close_;
};
