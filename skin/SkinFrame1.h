// The message box's button panel: a content window 38 pixels below the
// box's top edge with OK, Cancel, the name field and the picture browse
// button, laid out by the box's kind.
#pragma once

#include <string>

#include "skin/GdiObject.h"
#include "skin/HoverButtonEx.h"
#include "skin/SkinFrameDlg.h"

class CSkinDlgEx;

class CSkinFrame1 : public CSkinFrameDlg {
 public:
  CSkinFrame1(CSkinDlgEx& box, int pictureId);

  // Acts only once per run, and only once the panel is ready.
  void Ok();
  void Cancel();

  std::wstring name;      // in: preset name; out: the typed name
  std::wstring path;      // kind 345: folder in, folder\name out; kind 342: chosen picture
  std::wstring fileName;  // kind 342: the chosen picture's file name

 protected:
  BOOL OnInitDialog() override;
  void OnCommand(int id, int code, HWND control) override;
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Place(CHoverButtonEx& button, int x, int y);
  void BrowsePicture();

  CSkinDlgEx& box_;
  CHoverButtonEx ok_;
  CHoverButtonEx cancel_;
  CHoverButtonEx browse_;
  CBrush editBrush_{CreateSolidBrush(RGB(87, 110, 115))};
  bool ready_ = false;
};
