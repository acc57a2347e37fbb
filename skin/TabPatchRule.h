// When a profile tab repaints, the small picture shown on it (the patch)
// must survive: the tab takes a copy of the screen under the patch, keeps
// the patch out of what it repaints and puts the copy back afterwards. This
// decides, per repaint, which of those steps run.
#pragma once

struct SPatchStart {
  bool exclude = false;  // keep the patch out of the repainted area
  bool copy = false;     // copy the screen under the patch first
  bool operator==(const SPatchStart&) const = default;
};

class CTabPatchRule {
 public:
  void SetKeep(bool keep) { keep_ = keep; }
  // The owner changed the tab's pictures: the next copy is taken afresh.
  void RequestNewPatch() { newPatch_ = true; }
  // The mouse left the tab: the next repaint away from it restores the patch.
  void Leave() { pending_ = true; }

  // Before drawing the state image.
  SPatchStart Begin(bool underMouse);
  // The state image drawn; the pressed image covers the patch.
  void Drew(bool pressedImage);
  // After drawing: true when the copy goes back onto the patch.
  bool End();

  bool Pressed() const { return pressed_; }
  bool Pending() const { return pending_; }

 private:
  bool keep_ = true;
  bool pressed_ = false;
  bool pending_ = false;
  bool newPatch_ = false;
  bool haveCopy_ = false;
  bool inRepaint_ = false;
  bool awayFromMouse_ = false;
};
