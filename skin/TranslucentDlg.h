// Background window of a skinned dialog: shows its picture, is shaped like
// it (RGB(160,160,160) is outside), slightly translucent, and dragged by
// its top strip.
#pragma once

#include "skin/BaseDialog.h"
#include "skin/GdiObject.h"
#include "skin/TemplateLayout.h"

class CTranslucentDlg : public CBaseDialog {
 public:
  CTranslucentDlg(int templateId, bool fitToPicture) : CBaseDialog(templateId), fit_(fitToPicture) {}

  virtual void SetBackground(int pictureId);
  void SetDragHeight(int pixels) { dragHeight_ = pixels; }
  int Background() const { return backgroundId_; }
  SIZE PictureSizePx() const { return pictureSize_; }

 protected:
  static constexpr BYTE kAlpha = 220;

  BOOL OnInitDialog() override;
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void SetBackgroundId(int pictureId) { backgroundId_ = pictureId; }

 private:
  bool fit_;
  int backgroundId_ = 0;
  int dragHeight_ = 0;
  CBitmap picture_;
  SIZE pictureSize_{0, 0};
  CTemplateLayout layout_;
};
