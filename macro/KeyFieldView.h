// What the key-capture logic asks of the field windows.
#pragma once

#include <cstdint>
#include <string>

// Colours as 0x00BBGGRR, the layout of a Windows COLORREF.
constexpr std::uint32_t Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return r | (g << 8) | (std::uint32_t(b) << 16);
}

struct KeyFieldDrawing {
  std::wstring text;
  std::uint32_t textColour;
  // Opaque drawings fill behind the text with `background`.
  bool opaque;
  std::uint32_t background;
};

class KeyFieldView {
 public:
  virtual ~KeyFieldView() = default;
  // Draws into the rectangle (0, 0)-(360, 24) of the field, vertically
  // centred, word-broken, with an ellipsis at the end.
  virtual void Draw(int field, const KeyFieldDrawing& drawing) = 0;
  virtual void Focus(int field) = 0;
};
