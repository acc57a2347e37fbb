// What a bitmap slider does with the mouse and the keys, along its axis in
// pixels: where the thumb sits for a value, which value a drag gives, and
// which notification each step posts. The window only paints and posts.
#pragma once

#include <optional>

enum class SliderNote { Pressed, Moving, Moved };

struct SSliderNotice {
  SliderNote note;
  int position;
  bool operator==(const SSliderNotice&) const = default;
};

enum class SliderKey { PageUp, PageDown, Home, End, Left, Up, Right, Down };

class CSliderModel {
 public:
  void SetRange(int minimum, int maximum);
  void SetPos(int position);
  void SetPageSize(int page) { page_ = page; }
  // Length of the slider along its axis, the margins at its start and end,
  // and the thumb's size along the axis.
  void SetGeometry(int length, int marginStart, int marginEnd, int thumbSize);
  void SetEnabled(bool enabled);

  int Pos() const { return pos_; }
  int Min() const { return min_; }
  int Max() const { return max_; }
  bool Dragging() const { return dragging_; }
  bool Enabled() const { return enabled_; }
  int ThumbCentre() const;

  // Mouse at `at` pixels along the axis. Press answers Pressed and, when it
  // moved the thumb under the mouse, nothing more: the drag then follows.
  std::optional<SSliderNotice> Press(int at);
  std::optional<SSliderNotice> Drag(int at);
  std::optional<SSliderNotice> Release();
  std::optional<SSliderNotice> Key(SliderKey key);

 private:
  int ValueAt(int centre) const;
  int Clamp(int value) const;

  int min_ = 0;
  int max_ = 100;
  int pos_ = 0;
  int page_ = 20;
  int length_ = 0;
  int marginStart_ = 0;
  int marginEnd_ = 0;
  int thumb_ = 0;
  int dragOffset_ = 0;
  bool dragging_ = false;
  bool enabled_ = true;
};
