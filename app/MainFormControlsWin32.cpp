#include "app/MainFormControlsWin32.h"

#include <vector>

#include "app/FormIds.h"

namespace {

constexpr int kCommandIds[] = {form_id::kDone,    form_id::kImport,
                               form_id::kExport,  form_id::kFactory,
                               form_id::kApply,   form_id::kSensitivityReset,
                               form_id::kButtonsReset, form_id::kInformation};
constexpr int kCommandPictures[] = {180, 185, 186, 187, 188, 198, 200, 238};

constexpr int kFirstTabPreview = 201;
constexpr int kBigPreview = 1022;
constexpr int kLevelOffPictures[] = {225, 227};
constexpr COLORREF kPanel = RGB(46, 56, 59);
constexpr COLORREF kPanelLit = RGB(58, 70, 74);

// Channel, thumb, disabled channel, disabled thumb of sliders 1025..1028.
constexpr int kSliderPictures[4][4] = {
    {231, 229, 643, 641}, {233, 229, 645, 641}, {232, 230, 644, 642}, {234, 230, 646, 642}};
constexpr int kInitialSliderRange = 32;

}  // namespace

void SMainFormControls::Build(HWND form, HFONT groupFont) {
  BuildCommands(form);
  BuildProfileArea(form);
  BuildSensitivity(form);
  BuildGroups(form);
  for (int group = 0; group < kGroups; ++group) {
    SendMessageW(lists[static_cast<std::size_t>(group)].Window(), WM_SETFONT,
                 reinterpret_cast<WPARAM>(groupFont), FALSE);
  }
}

void SMainFormControls::BuildCommands(HWND form) {
  for (std::size_t n = 0; n < commands.size(); ++n) {
    commands[n].Attach(form, kCommandIds[n]);
    commands[n].SetBitmap(kCommandPictures[n]);
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
// the tab as the template puts it over the tab.
void SMainFormControls::BuildProfileArea(HWND form) {
  for (int p = 0; p < 4; ++p) {
    const auto slot = static_cast<std::size_t>(p);
    tabs[slot].Attach(form, form_id::kFirstProfileTab + p);
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
    keyClear[slot].SetPictures(283 + 6 * g, 283 + 6 * g, 416 + 6 * g, 417 + 6 * g);
    macro[slot].Attach(form, form_id::kGroupMacro + g);
    macro[slot].SetPictures(285 + 6 * g, 285 + 6 * g, 418 + 6 * g, 419 + 6 * g);
    script[slot].Attach(form, form_id::kGroupScript + g);
    script[slot].SetPictures(287 + 6 * g, 287 + 6 * g, 420 + 6 * g, 421 + 6 * g);
    lists[slot].Attach(form, form_id::kGroupLists + g);
    ShowGroupMode(form, g, 0);
  }
}

void SMainFormControls::ShowGroupMode(HWND form, int group, int mode) {
  const int frame = 244 + 7 * group + (mode == 0 ? 0 : mode == 1 ? 1 : 2);
  HWND frameWindow = GetDlgItem(form, form_id::kGroupFrames + group);
  HANDLE picture = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(frame), IMAGE_BITMAP, 0,
                              0, LR_SHARED);
  SendMessageW(frameWindow, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture));
  const int title = (mode == 0 ? 452 : 476) + 4 * group;
  titles[static_cast<std::size_t>(group)].SetPictures(title, title + 1, title + 2, title + 3);
}
