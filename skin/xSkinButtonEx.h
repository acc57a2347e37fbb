// A skin button with a caption drawn over its pictures in place of the
// window text: light while enabled, dimmed while disabled.
#pragma once

#include <string>

#include "skin/xSkinButton.h"

class CxSkinButtonEx : public CxSkinButton {
 public:
  static constexpr RECT kDefaultCaptionRect{55, 27, 195, 52};
  static constexpr COLORREF kEnabledColour = RGB(208, 212, 210);
  static constexpr COLORREF kDisabledColour = RGB(135, 156, 163);

  // Without a rectangle the default one is used. The font stays the caller's.
  void SetCaption(const std::wstring& text, HFONT font, const RECT* rect = nullptr);
  const std::wstring& Caption() const { return caption_; }

 protected:
  void DrawLabel(HDC dc, const RECT& rect, int state) override;

 private:
  std::wstring caption_;
  HFONT font_ = nullptr;
  RECT captionRect_ = kDefaultCaptionRect;
  bool hasCaption_ = false;
};
