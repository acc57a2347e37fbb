#include "app/MainFormControlsWin32.h"

#include <vector>

#include "app/FormIds.h"
#include "editions/Edition.h"

namespace {

constexpr int kCommandIds[] = {form_id::kDone,    form_id::kImport,
                               form_id::kExport,  form_id::kFactory,
                               form_id::kApply,   form_id::kSensitivityReset,
                               form_id::kButtonsReset, form_id::kInformation};
constexpr int kCommandPictures[] = {180, 185, 186, 187, 188, 198, 200, 238};
// Commands 1006..1009 (import, export, factory, apply) carry tooltips.
constexpr std::size_t kFirstTippedCommand = 1;
constexpr std::size_t kTippedCommands = 4;

constexpr int kFirstTabPreview = 201;
constexpr int kBigPreview = 1022;
constexpr int kLevelOffPictures[] = {225, 227};
constexpr COLORREF kPanel = RGB(46, 56, 59);
constexpr COLORREF kPanelLit = RGB(58, 70, 74);

// Channel, thumb, disabled channel, disabled thumb of sliders 1025..1028.
constexpr int kSliderPictures[4][4] = {
    {231, 229, 643, 641}, {233, 229, 645, 641}, {232, 230, 644, 642}, {234, 230, 646, 642}};
constexpr int kInitialSliderRange = 32;

constexpr int kListItemHeight = 18;
constexpr int kListTiles = 647;
constexpr int kListScrollBars = 282;
constexpr COLORREF kListText = RGB(217, 218, 219);
constexpr COLORREF kListBackground = RGB(52, 62, 64);
constexpr COLORREF kListSelectedText = RGB(162, 188, 206);
constexpr COLORREF kListSelectedBackground = RGB(10, 82, 126);

}  // namespace

void SMainFormControls::Build(HWND form, HFONT groupFont) {
  BuildCommands(form);
  BuildProfileArea(form);
  BuildSensitivity(form);
  BuildGroups(form);
  for (int group = 0; group < kGroups; ++group) BuildList(form, group, groupFont);
}

void SMainFormControls::BuildCommands(HWND form) {
  for (std::size_t n = 0; n < commands.size(); ++n) {
    commands[n].Attach(form, kCommandIds[n]);
    commands[n].SetBitmap(kCommandPictures[n]);
  }
  for (std::size_t n = 0; n < kTippedCommands; ++n) {
    commands[kFirstTippedCommand + n].SetToolTipText(
        Text(static_cast<TextId>(IDS_TIP_IMPORT + static_cast<int>(n))));
  }
  pencil.Attach(form, form_id::kPencil);
  pencil.SetBitmap(199);
  tryAgain.Attach(form, form_id::kTryAgain);
  tryAgain.SetBitmap(213);
  leave.Attach(form, form_id::kLeave);
  leave.SetBitmap(214);
  std::vector<int> frames;
  for (int picture = 160; picture < 180; ++picture) frames.push_back(picture);
  loadBar.Attach(form, form_id::kLoadProgress);
  loadBar.SetFrames(frames);
}

// Each tab carries its small preview as a child, at the same place in
// the tab as the template puts it over the tab; the tab then takes its
// patch afresh, so that the preview survives the tab's repaints.
void SMainFormControls::BuildProfileArea(HWND form) {
  for (int p = 0; p < 4; ++p) {
    const auto slot = static_cast<std::size_t>(p);
    tabs[slot].Attach(form, form_id::kFirstProfileTab + p);
    tabs[slot].SetToolTipText(Text(static_cast<TextId>(IDS_TIP_TAB_0 + p)));
    HWND preview = GetDlgItem(form, kFirstTabPreview + p);
    RECT previewRect;
    RECT tabRect;
    GetWindowRect(preview, &previewRect);
    GetWindowRect(tabs[slot].Window(), &tabRect);
    tabPreviews[slot].Attach(form, kFirstTabPreview + p);
    tabPreviews[slot].SetMode(PreviewMode::FillCrop);
    SetParent(preview, tabs[slot].Window());
    SetWindowPos(preview, HWND_TOP, previewRect.left - tabRect.left,
                 previewRect.top - tabRect.top, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    tabs[slot].RequestNewPatch();
  }
  bigPreview.Attach(form, kBigPreview);
  bigPreview.SetMode(PreviewMode::Stretch);
}

void SMainFormControls::BuildSensitivity(HWND form) {
  for (int n = 0; n < 2; ++n) {
    auto& level = levels[static_cast<std::size_t>(n)];
    level.Attach(form, n == 0 ? form_id::kLevel1 : form_id::kLevel2);
    level.SetColours(kPanel, kPanelLit, kPanel);
    level.SetPicture(kLevelOffPictures[n]);
  }
  for (int n = 0; n < form_id::kSensitivityControls; ++n) {
    auto& slider = sliders[static_cast<std::size_t>(n)];
    const int* pictures = kSliderPictures[n];
    slider.Attach(form, form_id::kFirstSlider + n);
    slider.SetTransparent(true, RGB(255, 255, 255));
    slider.SetPictures(pictures[0], pictures[1], pictures[2], pictures[3]);
    slider.SetRange(0, kInitialSliderRange);
    slider.SetPos(0);
    slider.SetTakeFocusOnClick(false);
  }
}

void SMainFormControls::BuildGroups(HWND form) {
  for (int g = 0; g < kGroups; ++g) {
    const auto slot = static_cast<std::size_t>(g);
    titles[slot].Attach(form, form_id::kGroupTitles + g);
    keyClear[slot].Attach(form, form_id::kGroupKeyClear + g);
    keyClear[slot].SetLookPictures(283 + 6 * g, 283 + 6 * g, 416 + 6 * g, 417 + 6 * g);
    macro[slot].Attach(form, form_id::kGroupMacro + g);
    macro[slot].SetLookPictures(285 + 6 * g, 285 + 6 * g, 418 + 6 * g, 419 + 6 * g);
    script[slot].Attach(form, form_id::kGroupScript + g);
    script[slot].SetLookPictures(287 + 6 * g, 287 + 6 * g, 420 + 6 * g, 421 + 6 * g);
    ShowGroupMode(form, g, 0);
  }
}

// The wrapper takes the list's place and id, so the form keeps reaching
// the list through the id; the list's own colours are set before that.
void SMainFormControls::BuildList(HWND form, int group, HFONT font) {
  const auto slot = static_cast<std::size_t>(group);
  auto& list = lists[slot];
  list.Attach(form, form_id::kGroupLists + group);
  list.SetColours(kListText, kListBackground, kListSelectedText, kListSelectedBackground);
  list.SetBackgroundPicture(kListTiles);
  SendMessageW(list.Window(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SendMessageW(list.Window(), LB_SETITEMHEIGHT, 0, kListItemHeight);
  listBars[slot].Attach(kListScrollBars, form, form_id::kGroupLists + group);
}

void SMainFormControls::ShowGroupMode(HWND form, int group, int mode) {
  const int frame = 244 + 7 * group + (mode == 0 ? 0 : mode == 1 ? 1 : 2);
  HWND frameWindow = GetDlgItem(form, form_id::kGroupFrames + group);
  HANDLE picture = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(frame), IMAGE_BITMAP, 0,
                              0, LR_SHARED);
  SendMessageW(frameWindow, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture));
  const int title = (mode == 0 ? 452 : 476) + 4 * group;
  titles[static_cast<std::size_t>(group)].SetLookPictures(title, title + 1, title + 2, title + 3);
}
