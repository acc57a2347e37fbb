#include "skin/SliderModel.h"

#include <algorithm>

void CSliderModel::SetRange(int minimum, int maximum) {
  min_ = minimum;
  max_ = std::max(minimum, maximum);
  pos_ = Clamp(pos_);
}

void CSliderModel::SetPos(int position) { pos_ = Clamp(position); }

void CSliderModel::SetGeometry(int length, int marginStart, int marginEnd, int thumbSize) {
  length_ = length;
  marginStart_ = marginStart;
  marginEnd_ = marginEnd;
  thumb_ = thumbSize;
}

void CSliderModel::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (!enabled) dragging_ = false;
}

int CSliderModel::Clamp(int value) const { return std::clamp(value, min_, max_); }

int CSliderModel::ThumbCentre() const {
  const int travel = length_ - marginStart_ - marginEnd_ - thumb_;
  const int span = max_ - min_;
  const int along = span == 0 ? 0 : travel * (pos_ - min_) / span;
  return marginStart_ + along + thumb_ / 2;
}

// The value whose thumb centre is nearest to `centre`, the centre first
// kept on the channel.
int CSliderModel::ValueAt(int centre) const {
  const int travel = length_ - marginStart_ - marginEnd_ - thumb_;
  if (travel <= 0) return min_;
  const int first = marginStart_ + thumb_ / 2;
  const int along = std::clamp(centre, first, first + travel) - first;
  const int span = max_ - min_;
  return Clamp(min_ + (along * span + travel / 2) / travel);
}

std::optional<SSliderNotice> CSliderModel::Press(int at) {
  if (!enabled_) return std::nullopt;
  dragging_ = true;
  const int centre = ThumbCentre();
  if (at >= centre - thumb_ / 2 && at <= centre + thumb_ / 2) {
    dragOffset_ = at - centre;
  } else {
    dragOffset_ = 0;
    pos_ = ValueAt(at);
  }
  return SSliderNotice{SliderNote::Pressed, pos_};
}

std::optional<SSliderNotice> CSliderModel::Drag(int at) {
  if (!dragging_) return std::nullopt;
  const int value = ValueAt(at - dragOffset_);
  if (value == pos_) return std::nullopt;
  pos_ = value;
  return SSliderNotice{SliderNote::Moving, pos_};
}

std::optional<SSliderNotice> CSliderModel::Release() {
  if (!dragging_) return std::nullopt;
  dragging_ = false;
  return SSliderNotice{SliderNote::Moved, pos_};
}

std::optional<SSliderNotice> CSliderModel::Key(SliderKey key) {
  if (!enabled_) return std::nullopt;
  switch (key) {
    case SliderKey::PageUp: pos_ = Clamp(pos_ - page_); break;
    case SliderKey::PageDown: pos_ = Clamp(pos_ + page_); break;
    case SliderKey::Home: pos_ = min_; break;
    case SliderKey::End: pos_ = max_; break;
    case SliderKey::Left:
    case SliderKey::Up: pos_ = Clamp(pos_ - 1); break;
    case SliderKey::Right:
    case SliderKey::Down: pos_ = Clamp(pos_ + 1); break;
  }
  return SSliderNotice{SliderNote::Moved, pos_};
}
