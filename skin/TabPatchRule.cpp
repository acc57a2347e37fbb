#include "skin/TabPatchRule.h"

SPatchStart CTabPatchRule::Begin(bool underMouse) {
  inRepaint_ = keep_ && (underMouse || pending_);
  awayFromMouse_ = !underMouse;
  if (!inRepaint_ || pressed_) return {};
  SPatchStart start{true, !haveCopy_ || newPatch_};
  if (start.copy) {
    haveCopy_ = true;
    newPatch_ = false;
  }
  return start;
}

void CTabPatchRule::Drew(bool pressedImage) {
  if (pressedImage) pressed_ = true;
}

bool CTabPatchRule::End() {
  if (!inRepaint_) return false;
  inRepaint_ = false;
  if (awayFromMouse_) pending_ = false;
  if (pressed_) {
    pressed_ = false;
    return false;
  }
  return true;
}
