// What the profile names and pictures ask of the window that shows them:
// the four profile tabs (caption, picture pair, small preview) and the big
// picture place of the current profile.
#pragma once

#include <string>

class CProfileLooksView {
 public:
  virtual ~CProfileLooksView() = default;

  virtual void SetTabCaption(int profile, const std::wstring& name) = 0;
  // The tab's normal and hot pictures; the tab takes a new copy of the
  // patch under its small preview.
  virtual void SetTabPictures(int profile, int normalPicture, int hotPicture) = 0;
  // Loads the picture file into the tab's small preview and shows it.
  virtual void ShowTabPreview(int profile, const std::wstring& picturePath) = 0;
  virtual void HideTabPreview(int profile) = 0;
  virtual void ClearTabSelected(int profile) = 0;
  virtual void RepaintTab(int profile) = 0;

  // Loads the picture file into the big preview, shows it and hides the
  // default big picture.
  virtual void ShowBigPreview(const std::wstring& picturePath) = 0;
  // Shows a default big picture resource and hides the big preview.
  virtual void ShowDefaultBigPicture(int picture) = 0;
  // Draws or erases the current profile's name under the big picture.
  virtual void DrawProfileName(bool show) = 0;
};
