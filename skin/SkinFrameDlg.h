// Content window of a skinned dialog: everything painted pure green is
// see-through, so only its controls show over the background window.
#pragma once

#include "skin/BaseDialog.h"
#include "skin/GdiObject.h"
#include "skin/TemplateLayout.h"

class CSkinFrameDlg : public CBaseDialog {
 public:
  static constexpr COLORREF kKeyColour = RGB(0, 255, 0);

  CSkinFrameDlg(int templateId, int pictureId) : CBaseDialog(templateId), pictureId_(pictureId) {}

  // Moves to the top-left corner of the background window it sits on.
  void FollowTo(POINT topLeft);

 protected:
  BOOL OnInitDialog() override;
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  int pictureId_;
  CBrush green_{CreateSolidBrush(kKeyColour)};
  CTemplateLayout layout_;
};
