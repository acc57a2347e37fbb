// Which keys are held now (GetKeyState on Windows).
#pragma once

class KeyboardState {
 public:
  virtual ~KeyboardState() = default;
  virtual bool IsDown(int vk) const = 0;
};
