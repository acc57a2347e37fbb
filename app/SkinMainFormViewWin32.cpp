// The form view of the main form's window: the logic's requests turned
// into window calls on the form's controls, its timer, the frame and the
// one shared message box.
#include <string>

#include "app/DeviceSelectionDlgWin32.h"
#include "app/FormIds.h"
#include "app/ProfileFileDialogWin32.h"
#include "app/ShowMessageWin32.h"
#include "app/SkinMainFormWin32.h"
#include "skin/Pictures.h"
#include "skin/SkinIds.h"

namespace {

constexpr int kFirstPage = 151;
constexpr int kSettingsRegion = 155;
constexpr int kSmallPageRegion = 159;
constexpr int kCustomDefaultPicture = 224;

bool IsFunctionList(int id) {
  return id >= form_id::kGroupLists && id < form_id::kGroupLists + form_id::kGroupCount;
}

}  // namespace

void CSkinMainForm::SetTimer(int id, int periodMs) {
  ::SetTimer(Window(), static_cast<UINT_PTR>(id), static_cast<UINT>(periodMs), nullptr);
}

void CSkinMainForm::KillTimer(int id) { ::KillTimer(Window(), static_cast<UINT_PTR>(id)); }

// Controls of the settings page are on screen only on page 3; the
// no-mouse and loading pages show only their own controls.
bool CSkinMainForm::OnPage(int id) const {
  switch (id) {
    case form_id::kTryAgain:
    case form_id::kLeave:
      return page_ == 0;
    case form_id::kLoadProgress:
      return page_ == 2;
    default:
      return page_ == 3;
  }
}

void CSkinMainForm::ApplyVisibility(int id) {
  const auto found = wanted_.find(id);
  const bool show = found != wanted_.end() && found->second && OnPage(id);
  HWND control = Item(id);
  if (show && IsFunctionList(id)) {
    SetWindowPos(control, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  ShowWindow(control, show ? SW_SHOWNA : SW_HIDE);
}

void CSkinMainForm::ShowPage(int page) {
  page_ = page;
  if (frame_ != nullptr) {
    frame_->SetBackground(kFirstPage + page);
    InvalidateRect(frame_->Window(), nullptr, TRUE);
  }
  // The window takes the page's size as well as its shape: a layered
  // window's pixels outside its region can still reach the screen.
  const int shape = page == 3 ? kSettingsRegion : kSmallPageRegion;
  const SIZE size = PictureSize(LoadPicture(shape).Get());
  if (size.cx > 0) {
    SetWindowPos(Window(), nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  CRegion region = RegionFromPicture(shape);
  if (region) SetWindowRgn(Window(), region.Release(), TRUE);
  for (const auto& [id, wanted] : wanted_) ApplyVisibility(id);
  InvalidateRect(Window(), nullptr, TRUE);
}

void CSkinMainForm::EnableControl(int id, bool enable) {
  const int slider = id - form_id::kFirstSlider;
  if (slider >= 0 && slider < form_id::kSensitivityControls) {
    controls_.sliders[static_cast<std::size_t>(slider)].Enable(enable);
    return;
  }
  // A function list sits inside its scroll-bar wrapper: both follow.
  if (IsFunctionList(id)) {
    EnableWindow(controls_.lists[static_cast<std::size_t>(id - form_id::kGroupLists)].Window(),
                 enable);
  }
  EnableWindow(Item(id), enable);
}

void CSkinMainForm::ShowControl(int id, bool show) {
  wanted_[id] = show;
  ApplyVisibility(id);
}

void CSkinMainForm::SetProgressRange(int id, int range) {
  if (id != form_id::kLoadProgress) return;
  controls_.loadBar.SetRange(range);
  ApplyVisibility(id);
}

void CSkinMainForm::SetProgressPosition(int id, int position) {
  if (id == form_id::kLoadProgress) controls_.loadBar.SetPos(position);
}

void CSkinMainForm::SetFrameButtonsEnabled(bool enable) {
  if (frame_ != nullptr) frame_->LockTitleButtons(!enable);
}

void CSkinMainForm::SetControlText(int id, const std::wstring& text) {
  const int group = id - form_id::kGroupTitles;
  if (group >= 0 && group < form_id::kGroupCount) {
    controls_.titles[static_cast<std::size_t>(group)].SetCaption(
        text, groupFont_.Get(), &SMainFormControls::kTitleCaption);
    return;
  }
  SetWindowTextW(Item(id), text.c_str());
}

std::wstring CSkinMainForm::ControlText(int id) {
  HWND control = Item(id);
  const int length = GetWindowTextLengthW(control);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  GetWindowTextW(control, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(length));
  return text;
}

void CSkinMainForm::SetReadOnly(int id, bool readOnly) {
  SendMessageW(Item(id), EM_SETREADONLY, readOnly, 0);
}

void CSkinMainForm::FocusControl(int id) { SetFocus(Item(id)); }

void CSkinMainForm::SetCaretToEnd(int id) {
  const int length = GetWindowTextLengthW(Item(id));
  SendMessageW(Item(id), EM_SETSEL, static_cast<WPARAM>(length), length);
}

void CSkinMainForm::SetControlPicture(int id, int picture) {
  if (id == form_id::kLevel1 || id == form_id::kLevel2) {
    controls_.levels[id == form_id::kLevel1 ? 0 : 1].SetPicture(picture);
  }
}

void CSkinMainForm::SetSliderRange(int id, int maximum) {
  const int slider = id - form_id::kFirstSlider;
  if (slider >= 0 && slider < form_id::kSensitivityControls) {
    controls_.sliders[static_cast<std::size_t>(slider)].SetRange(0, maximum);
  }
}

void CSkinMainForm::SetSliderPosition(int id, int position) {
  const int slider = id - form_id::kFirstSlider;
  if (slider >= 0 && slider < form_id::kSensitivityControls) {
    controls_.sliders[static_cast<std::size_t>(slider)].SetPos(position);
  }
}

int CSkinMainForm::SliderPosition(int id) {
  const int slider = id - form_id::kFirstSlider;
  if (slider < 0 || slider >= form_id::kSensitivityControls) return 0;
  return controls_.sliders[static_cast<std::size_t>(slider)].Pos();
}

void CSkinMainForm::SetListItems(int id, const std::vector<std::wstring>& items) {
  HWND list = Item(id);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  for (const std::wstring& item : items) {
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  }
}

bool CSkinMainForm::SelectListItem(int id, int index) {
  return SendMessageW(Item(id), LB_SETCURSEL, static_cast<WPARAM>(index), 0) != LB_ERR;
}

int CSkinMainForm::ListSelection(int id) {
  return static_cast<int>(SendMessageW(Item(id), LB_GETCURSEL, 0, 0));
}

void CSkinMainForm::ShowButtonGroupMode(int group, int mode) {
  controls_.ShowGroupMode(Window(), group, mode);
}

void CSkinMainForm::PressProfileTab(int profile) {
  for (int p = 0; p < 4; ++p) controls_.tabs[static_cast<std::size_t>(p)].SetSelected(p == profile);
}

void CSkinMainForm::ShowStopMessage(const std::wstring& text) {
  ShowStandardBox(Window(), text.c_str());
}

int CSkinMainForm::RunBox(int kind, const std::wstring& text, int progressRange) {
  box_.SetKind(kind);
  box_.SetFirstLine(L"");
  box_.SetMessageText(text);
  box_.SetRange(progressRange);
  const INT_PTR result = box_.DoModal(Window());
  return result == IDOK ? 1 : 2;
}

void CSkinMainForm::SetBoxProgress(int position) {
  if (box_.Window() != nullptr) SendMessageW(box_.Window(), WM_BOX_PROGRESS, 1, position);
}

std::optional<FormView::ProfileEdit> CSkinMainForm::RunProfileEditBox(
    const std::wstring& name, const std::wstring& picturePath) {
  box_.SetKind(342);
  box_.SetName(name);
  box_.SetPath(picturePath);
  box_.SetDefaultPicture(kCustomDefaultPicture);
  if (box_.DoModal(Window()) != IDOK) return std::nullopt;
  return ProfileEdit{box_.Name(), box_.Path()};
}

void CSkinMainForm::RunModeSwitcherBox(const std::array<std::wstring, 4>& profileNames) {
  box_.SetKind(344);
  box_.SetModeTexts(profileNames);
  box_.DoModal(Window());
}

void CSkinMainForm::CloseBox(int result) {
  if (box_.Window() == nullptr) return;
  if (result == 1) {
    box_.PanelOK();
  } else {
    box_.CloseBox();
  }
}

std::optional<std::wstring> CSkinMainForm::RunExportBox(const std::wstring& name,
                                                       const std::wstring& folder) {
  box_.SetKind(345);
  box_.SetName(name);
  box_.SetPath(folder);
  if (box_.DoModal(Window()) != IDOK) return std::nullopt;
  return box_.Path();
}

std::optional<std::wstring> CSkinMainForm::ChooseProfileFile(const std::wstring& folder) {
  return ChooseProfileFileToOpen(Window(), folder);
}

// The macro and script buttons are not forwarded to the logic until the
// editor window exists, so nothing reaches this but a cancelled edit.
int CSkinMainForm::RunScriptEditor(const EditorHandOver&) { return 2; }

int CSkinMainForm::RunDeviceSelection(const std::vector<std::wstring>& entries,
                                      DeviceSelectionListener& listener) {
  CDeviceSelectionDlg dialog(entries, listener);
  return dialog.Run(Window());
}

// Written back without saving to the user's profile, so Windows brings the
// user's acceleration back when it reloads the settings.
void CSkinMainForm::SwitchOffPointerAcceleration() {
  int mouse[3] = {0, 0, 0};
  if (!SystemParametersInfoW(SPI_GETMOUSE, 0, mouse, 0)) mouse[0] = mouse[1] = 0;
  mouse[2] = 0;
  SystemParametersInfoW(SPI_SETMOUSE, 0, mouse, 0);
}

// The window goes when the current message is done with it.
void CSkinMainForm::EndForm() {
  ShowWindow(Window(), SW_HIDE);
  PostMessageW(Window(), kEndForm, 0, 0);
}

void CSkinMainForm::EndFrame() {
  if (frame_ != nullptr) frame_->End(IDCANCEL);
}
