// A sensitivity slider: keeps an enabled and a disabled picture for its
// channel and its thumb and shows the pair that matches its state.
#pragma once

#include "skin/BitmapSlider.h"

class CBitmapSliderEx : public CBitmapSlider {
 public:
  void SetPictures(int channel, int thumb, int disabledChannel, int disabledThumb);

 protected:
  void OnEnabledChanged(bool enabled) override;

 private:
  int channel_[2] = {0, 0};  // disabled, enabled
  int thumb_[2] = {0, 0};
};
