#include "skin/BitmapSliderEx.h"

void CBitmapSliderEx::SetPictures(int channel, int thumb, int disabledChannel, int disabledThumb) {
  channel_[1] = channel;
  thumb_[1] = thumb;
  channel_[0] = disabledChannel;
  thumb_[0] = disabledThumb;
  OnEnabledChanged(true);
}

void CBitmapSliderEx::OnEnabledChanged(bool enabled) {
  SetChannel(channel_[enabled ? 1 : 0]);
  SetThumb(thumb_[enabled ? 1 : 0]);
}
