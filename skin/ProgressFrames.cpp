#include "skin/ProgressFrames.h"

void CProgressFrames::SetFrames(int count) {
  frames_ = count > 0 ? count : 1;
  step_ = 1;
  frame_ = 0;
}

void CProgressFrames::SetRange(int range) {
  range_ = range;
  frame_ = 0;
  if (range <= 0) {
    step_ = 1;
  } else {
    step_ = frames_ < range ? range / frames_ : frames_ / range;
  }
}

std::optional<int> CProgressFrames::SetPos(int position) {
  int frame = range_ < frames_ ? position * step_ : position / step_;
  if (frame >= frames_ || position >= range_) frame = frames_ - 1;
  if (frame < 0 || frame == frame_) return std::nullopt;
  frame_ = frame;
  return frame;
}
