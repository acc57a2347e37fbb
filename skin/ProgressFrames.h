// The frame a picture-sequence progress bar shows for a position: a bar of
// N frames over a range R advances one frame per R / N positions, or
// several frames per position when the range is shorter than the strip.
#pragma once

#include <optional>

class CProgressFrames {
 public:
  void SetFrames(int count);
  // Starts over at frame 0.
  void SetRange(int range);
  // The frame to show now, or nothing when it stays as it is.
  std::optional<int> SetPos(int position);

  int Frames() const { return frames_; }
  int Frame() const { return frame_; }

 private:
  int frames_ = 25;
  int range_ = 25;
  int step_ = 1;
  int frame_ = 0;
};
