// The windows of the main form's key-capture fields: the window class
// "Mirel-Input-Dialog" whose windows the form's template places, turned
// into calls on the one CKeyInWnd of the form, and the drawing it asks for.
#pragma once

#include <windows.h>

#include <array>

#include "macro/KeyInWnd.h"

class CKeyFieldWindows final : public KeyFieldView, public KeyboardState {
 public:
  static constexpr int kFieldCount = 6;

  // Registers the window class for `fields`; must happen before the
  // template that holds the field windows is created.
  static void Register(CKeyFieldWindows* fields);

  // Takes the field windows `firstId`.. of `dialog` for `logic`.
  void Attach(HWND dialog, int firstId, CKeyInWnd* logic, HFONT font);

  void Draw(int field, const KeyFieldDrawing& drawing) override;
  void Focus(int field) override;
  bool IsDown(int vk) const override;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  int FieldOf(HWND window) const;
  LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void DrawOn(HDC dc, HWND window, const KeyFieldDrawing& drawing) const;

  std::array<HWND, kFieldCount> windows_{};
  CKeyInWnd* logic_ = nullptr;
  HFONT font_ = nullptr;
};
