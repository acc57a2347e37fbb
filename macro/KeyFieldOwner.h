// The form that owns the key-capture fields.
#pragma once

// Told whenever a field writes the button settings of a profile.
class KeyFieldOwner {
 public:
  virtual ~KeyFieldOwner() = default;
  virtual void ButtonSettingsChanged(int profile) = 0;
};
