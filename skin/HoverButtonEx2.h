// A picture button that can draw a caption over its picture, in one colour
// while active and another while not.
#pragma once

#include <string>

#include "skin/HoverButtonEx.h"

class CHoverButtonEx2 : public CHoverButtonEx {
 public:
  static constexpr RECT kDefaultCaptionRect{55, 27, 195, 52};

  // Without a rectangle the default one is used. The font stays the caller's.
  void SetCaption(const std::wstring& text, HFONT font, const RECT* rect = nullptr,
                  COLORREF active = RGB(255, 255, 255), COLORREF inactive = RGB(124, 143, 151));
  void SetActive(bool active);
  bool Active() const { return active_; }
  const std::wstring& Caption() const { return caption_; }

 protected:
  void Draw(HDC dc, const RECT& rect, int state) override;
  virtual COLORREF CaptionColour() const { return active_ ? activeColour_ : inactiveColour_; }

 private:
  std::wstring caption_;
  HFONT font_ = nullptr;
  RECT captionRect_ = kDefaultCaptionRect;
  COLORREF activeColour_ = RGB(255, 255, 255);
  COLORREF inactiveColour_ = RGB(124, 143, 151);
  bool hasCaption_ = false;
  bool active_ = true;
};
