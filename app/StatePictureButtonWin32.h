// A hover button drawn from four separate pictures (normal, pressed,
// hover, disabled) instead of one strip, with an optional caption: the
// button groups' title, key-clear, macro and script buttons.
#pragma once

#include <array>
#include <string>

#include "skin/HoverButtonEx.h"

class CStatePictureButton final : public CHoverButtonEx {
 public:
  // Takes the size of the normal picture. False when a picture is missing.
  bool SetPictures(int normal, int pressed, int hover, int disabled);
  void SetCaption(const std::wstring& text, HFONT font, const RECT& rect);

 protected:
  void Draw(HDC dc, const RECT& rect, int state) override;

 private:
  std::array<CBitmap, 4> pictures_;
  SIZE size_{0, 0};
  std::wstring caption_;
  HFONT font_ = nullptr;
  RECT captionRect_{0, 0, 0, 0};
};
