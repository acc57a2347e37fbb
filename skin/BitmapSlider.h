// A slider drawn from a channel picture and a thumb picture (a colour of
// them may be see-through), on a static control of a template. It posts
// WM_SLIDER_PRESSED, WM_SLIDER_MOVING and WM_SLIDER_MOVED to its parent
// with wParam = control id and lParam = position.
#pragma once

#include <windows.h>

#include "skin/GdiObject.h"
#include "skin/SliderModel.h"

#define WM_SLIDER_MOVING 0x28D1
#define WM_SLIDER_MOVED 0x28D2
#define WM_SLIDER_PRESSED 0x28D3

class CBitmapSlider {
 public:
  CBitmapSlider() = default;
  virtual ~CBitmapSlider();
  CBitmapSlider(const CBitmapSlider&) = delete;
  CBitmapSlider& operator=(const CBitmapSlider&) = delete;

  bool Attach(HWND dialog, int id);
  void SetRange(int minimum, int maximum);
  void SetPos(int position);
  void SetPageSize(int page) { model_.SetPageSize(page); }
  void SetMargins(int start, int end);
  void SetChannel(int pictureId, int activePictureId = 0);
  void SetThumb(int pictureId, int activePictureId = 0);
  void SetTransparent(bool on, COLORREF colour) { transparent_ = on; key_ = colour; }
  void SetTakeFocusOnClick(bool take) { takeFocus_ = take; }
  void Enable(bool enable);

  int Pos() const { return model_.Pos(); }
  HWND Window() const { return window_; }

 protected:
  virtual void OnEnabledChanged(bool) {}

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR id, DWORD_PTR self);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void Notify(const std::optional<SSliderNotice>& notice);
  void Relayout();
  void Paint();
  void Blit(HDC dc, HBITMAP picture, int x, int y, int width);

  HWND window_ = nullptr;
  CSliderModel model_;
  CBitmap channel_;
  CBitmap activeChannel_;
  CBitmap thumb_;
  CBitmap activeThumb_;
  int marginStart_ = 0;
  int marginEnd_ = 0;
  bool transparent_ = false;
  COLORREF key_ = RGB(255, 255, 255);
  bool takeFocus_ = true;
};
