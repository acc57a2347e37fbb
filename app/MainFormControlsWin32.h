// Every control object of the main form's template, with the pictures,
// colours and tooltips the form gives them when it builds its controls.
#pragma once

#include <windows.h>

#include <array>

#include "skin/BitmapProgressBar.h"
#include "skin/BitmapSliderEx.h"
#include "skin/ButtonST.h"
#include "skin/ColorListBoxEx.h"
#include "skin/HoverButtonEx3.h"
#include "skin/ImagePreviewStatic.h"
#include "skin/SkinScrollWnd.h"
#include "skin/xSkinButtonEx.h"

using ProfileTab = CHoverButtonEx3;
using GroupTitleButton = CxSkinButtonEx;
using GroupButton = CxSkinButton;
using FunctionList = CColorListBoxEx;

struct SMainFormControls {
  static constexpr int kGroups = 6;
  // Caption rectangles inside a profile tab and a group title button.
  static constexpr RECT kTabCaption{42, 7, 148, 24};
  static constexpr RECT kTitleCaption{11, 8, 136, 26};

  // Attaches every control of `form` and gives it its pictures.
  void Build(HWND form, HFONT groupFont);
  // The group frame and title pictures of a button group's mode.
  void ShowGroupMode(HWND form, int group, int mode);

  std::array<CHoverButtonEx2, 8> commands;  // done .. information, see kCommandIds
  CHoverButtonEx pencil;
  CHoverButtonEx tryAgain;
  CHoverButtonEx leave;
  std::array<ProfileTab, 4> tabs;
  std::array<CImagePreviewStatic, 4> tabPreviews;
  CImagePreviewStatic bigPreview;
  std::array<CButtonST, 2> levels;
  std::array<CBitmapSliderEx, 4> sliders;  // 1025..1028
  CBitmapProgressBar loadBar;
  std::array<GroupTitleButton, kGroups> titles;
  std::array<GroupButton, kGroups> keyClear;
  std::array<GroupButton, kGroups> macro;
  std::array<GroupButton, kGroups> script;
  std::array<FunctionList, kGroups> lists;
  std::array<CSkinScrollWnd, kGroups> listBars;

 private:
  void BuildCommands(HWND form);
  void BuildProfileArea(HWND form);
  void BuildSensitivity(HWND form);
  void BuildGroups(HWND form);
  void BuildList(HWND form, int group, HFONT font);
};
