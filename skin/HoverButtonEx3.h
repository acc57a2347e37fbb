// A profile tab: a captioned picture button that shows its profile as
// selected, and keeps the small profile picture drawn over it (the patch)
// intact across its own repaints.
#pragma once

#include "skin/HoverButtonEx2.h"
#include "skin/TabPatchRule.h"

class CHoverButtonEx3 : public CHoverButtonEx2 {
 public:
  static constexpr RECT kPatchRect{11, 5, 32, 25};
  static constexpr SIZE kCopySize{143, 33};

  void SetSelected(bool selected);
  bool Selected() const { return selected_; }
  void SetUnselectedColour(COLORREF colour) { unselectedColour_ = colour; }
  void SetKeepPatch(bool keep) { patch_.SetKeep(keep); }
  // The owner changed the tab's pictures: take the patch afresh.
  void RequestNewPatch() { patch_.RequestNewPatch(); }

 protected:
  int StateImage() const override;
  void Draw(HDC dc, const RECT& rect, int state) override;
  void PaintInto(HDC screen, const RECT& rect) override;
  void OnMouseLeft() override;
  COLORREF CaptionColour() const override;

 private:
  void CopyPatch(HDC screen);
  void PutBackPatch(HDC screen);

  bool selected_ = false;
  COLORREF unselectedColour_ = RGB(128, 128, 128);
  CTabPatchRule patch_;
  CBitmap copy_;
};
