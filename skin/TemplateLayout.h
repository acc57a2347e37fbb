// Lays a dialog out from its own template as on a 96 dpi screen: the
// pictures are drawn in pixels, so the controls must land on the same
// pixels whatever the system's setting. The controls get their previous
// fonts back before the created font goes.
#pragma once

#include <windows.h>

#include <utility>
#include <vector>

#include "skin/DialogTemplate.h"
#include "skin/GdiObject.h"

class CTemplateLayout {
 public:
  CTemplateLayout() = default;
  ~CTemplateLayout() { Restore(); }
  CTemplateLayout(const CTemplateLayout&) = delete;
  CTemplateLayout& operator=(const CTemplateLayout&) = delete;

  // Resizes the client area and moves, resizes and re-fonts every control
  // of template `templateId` in `module`. Changes nothing and returns
  // false when the template is missing or malformed, or its font cannot
  // be made or measured.
  bool RelayoutAt96Dpi(HWND window, HMODULE module, int templateId);
  // Gives the controls their previous fonts back and deletes the created one.
  void Restore();

  HFONT Font() const { return font_.Get(); }

 private:
  void PlaceControls(HWND window, const SDialogTemplate& dialog, const SDialogUnits& units);

  CFont font_;
  std::vector<std::pair<HWND, HFONT>> previousFonts_;
};
