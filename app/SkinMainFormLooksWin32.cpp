// The profile looks on the main form's window: the four tabs with their
// names, pictures and small previews, and the big picture of the current
// profile with its name under it.
#include "app/FormIds.h"
#include "app/SkinMainFormWin32.h"

namespace {

constexpr int kDefaultBigPicture = 1021;
constexpr int kBigPreview = 1022;
constexpr COLORREF kCaption = RGB(200, 200, 200);
constexpr COLORREF kInactiveCaption = RGB(115, 130, 135);

}  // namespace

void CSkinMainForm::SetTabCaption(int profile, const std::wstring& name) {
  controls_.tabs[static_cast<std::size_t>(profile & 3)].SetCaption(
      name, groupFont_.Get(), &SMainFormControls::kTabCaption, kCaption, kInactiveCaption);
}

// The lit picture of the pair is the selected state of the tab's own strip.
void CSkinMainForm::SetTabPictures(int profile, int normalPicture, int) {
  auto& tab = controls_.tabs[static_cast<std::size_t>(profile & 3)];
  tab.SetBitmap(normalPicture);
  tab.RequestNewPatch();
}

void CSkinMainForm::ShowTabPreview(int profile, const std::wstring& picturePath) {
  auto& preview = controls_.tabPreviews[static_cast<std::size_t>(profile & 3)];
  preview.SetFilename(picturePath);
  HWND window = GetDlgItem(controls_.tabs[static_cast<std::size_t>(profile & 3)].Window(),
                           201 + (profile & 3));
  ShowWindow(window, SW_SHOWNA);
  InvalidateRect(window, nullptr, TRUE);
}

void CSkinMainForm::HideTabPreview(int profile) {
  HWND window = GetDlgItem(controls_.tabs[static_cast<std::size_t>(profile & 3)].Window(),
                           201 + (profile & 3));
  ShowWindow(window, SW_HIDE);
}

void CSkinMainForm::ClearTabSelected(int profile) {
  controls_.tabs[static_cast<std::size_t>(profile & 3)].SetSelected(false);
}

void CSkinMainForm::RepaintTab(int profile) {
  InvalidateRect(controls_.tabs[static_cast<std::size_t>(profile & 3)].Window(), nullptr, TRUE);
}

void CSkinMainForm::ShowBigPreview(const std::wstring& picturePath) {
  controls_.bigPreview.SetFilename(picturePath);
  ShowControl(kDefaultBigPicture, false);
  ShowControl(kBigPreview, true);
  InvalidateRect(Item(kBigPreview), nullptr, TRUE);
}

void CSkinMainForm::ShowDefaultBigPicture(int picture) {
  HANDLE bitmap = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(picture), IMAGE_BITMAP,
                             0, 0, LR_SHARED);
  SendMessageW(Item(kDefaultBigPicture), STM_SETIMAGE, IMAGE_BITMAP,
               reinterpret_cast<LPARAM>(bitmap));
  ShowControl(kBigPreview, false);
  ShowControl(kDefaultBigPicture, true);
}

void CSkinMainForm::DrawProfileName(bool show) {
  nameShown_ = show;
  RECT area = kNameArea;
  InvalidateRect(Window(), &area, TRUE);
}
