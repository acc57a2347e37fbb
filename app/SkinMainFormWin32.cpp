#include "app/SkinMainFormWin32.h"

#include <dbt.h>

#include <string>

#include "app/FormIds.h"
#include "app/OsVersionWin32.h"
#include "app/ShowMessageWin32.h"
#include "sim/HidBackendChoiceWin32.h"
#include "skin/BitmapSlider.h"
#include "skin/Pictures.h"

namespace {

constexpr int kFormRegion = 155;
constexpr int kFirstTabPicture = 205;
constexpr UINT kRestoreCommand = 32774;
constexpr UINT kAppExitCommand = 57665;
constexpr RECT kNameRect{51, 225, 157, 242};
constexpr COLORREF kNameStrip = RGB(32, 38, 40);
constexpr COLORREF kEditText = RGB(213, 214, 218);
constexpr COLORREF kReadOnlyText = RGB(160, 160, 160);

bool IsSensitivityEdit(int id) {
  return id >= form_id::kFirstSensitivityEdit &&
         id < form_id::kFirstSensitivityEdit + form_id::kSensitivityControls;
}

int GroupOf(int id, int first) {
  return id >= first && id < first + form_id::kGroupCount ? id - first : -1;
}

// What was wrong with the virtual mouse's settings; it runs with defaults.
void ShowVirtualMouseProblems(const std::string& problems) {
  const int length = MultiByteToWideChar(CP_UTF8, 0, problems.data(),
                                         static_cast<int>(problems.size()), nullptr, 0);
  std::wstring text(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, problems.data(), static_cast<int>(problems.size()), text.data(),
                      length);
  ShowStandardBox(nullptr, text.c_str(), MB_OK | MB_ICONWARNING | MB_TOPMOST);
}

}  // namespace

CSkinMainForm::CSkinMainForm()
    : CSkinFrameDlg(kTemplate, kFormRegion), osCode_(QueryOsCode()) {
  CKeyFieldWindows::Register(&keyWindows_);
}

void CSkinMainForm::CreateFonts() {
  groupFont_.Reset(CreateFontW(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                               DEFAULT_PITCH, L"Microsoft YaHei"));
  nameFont_.Reset(CreateFontW(-13, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                              OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                              DEFAULT_PITCH, L"Microsoft YaHei"));
}

// What the template shows is what the logic wants shown until it says
// otherwise; the page decides whether it is on screen.
void CSkinMainForm::RecordTemplateVisibility() {
  for (HWND child = GetWindow(Window(), GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    wanted_[GetDlgCtrlID(child)] = (GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) != 0;
    ShowWindow(child, SW_HIDE);
  }
}

BOOL CSkinMainForm::OnInitDialog() {
  CSkinFrameDlg::OnInitDialog();
  CreateFonts();
  std::string problems;
  hid_ = ChooseHidBackend(clock_, problems);
  if (!problems.empty()) ShowVirtualMouseProblems(problems);
  controls_.Build(Window(), groupFont_.Get());
  for (int group = 0; group < form_id::kGroupCount; ++group) {
    SetWindowPos(Item(form_id::kGroupFrames + group), HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  for (int n = 0; n < form_id::kSensitivityControls; ++n) {
    SendMessageW(Item(form_id::kFirstSensitivityEdit + n), WM_SETFONT,
                 reinterpret_cast<WPARAM>(groupFont_.Get()), FALSE);
  }
  for (int p = 0; p < 4; ++p) SetTabPictures(p, kFirstTabPicture + 2 * p, kFirstTabPicture + 1 + 2 * p);
  RecordTemplateVisibility();
  logic_ = std::make_unique<CMainForm>(CMainForm::Ports{
      *hid_, clock_, settings_, files_, shell_, *this, *this,
      reinterpret_cast<HidWindow>(Window())});
  keyWindows_.Attach(Window(), form_id::kGroupKeyField, &logic_->KeyFields(), groupFont_.Get());
  logic_->OnInitDialog();
  if (CHookBinding::IsWantedFor(osCode_)) hook_.LoadHookLibrary();
  return TRUE;
}

bool CSkinMainForm::OnFormCommand(int id) {
  using namespace form_id;
  switch (id) {
    case kDone: logic_->OnDone(); return true;
    case kImport: logic_->ImportProfileFromDialog(); return true;
    case kExport: logic_->ExportProfile(); return true;
    case kFactory: logic_->RestoreFactoryProfile(); return true;
    case kApply: logic_->ApplyProfile(); return true;
    case kSensitivityReset: logic_->ResetSensitivityToPrevious(); return true;
    case kPencil: logic_->EditProfileNameAndPicture(); return true;
    case kButtonsReset: logic_->ResetButtonsToPrevious(); return true;
    case kTryAgain: logic_->ConnectDevice(); return true;
    case kLeave: logic_->OnClose(); return true;
    case kLevel1: logic_->SetSensitivityLevel(0, true); return true;
    case kLevel2: logic_->SetSensitivityLevel(1, true); return true;
    case kInformation: logic_->ShowModeSwitcherInfo(); return true;
    case IDCANCEL: logic_->OnCancel(); return true;
    case kRestoreCommand: ShowWindow(frame_->Window(), SW_SHOWNORMAL); return true;
    case kAppExitCommand: logic_->OnClose(); return true;
    default: break;
  }
  if (id >= kFirstProfileTab && id < kFirstProfileTab + 4) {
    logic_->SelectProfile(id - kFirstProfileTab, true);
    return true;
  }
  return false;
}

bool CSkinMainForm::OnGroupCommand(int id, int code) {
  using namespace form_id;
  if (int group = GroupOf(id, kGroupTitles); group >= 0) {
    logic_->SetListOpen(group, true);
  } else if (int list = GroupOf(id, kGroupLists); list >= 0) {
    if (code == LBN_SELCHANGE) logic_->OnFunctionChosen(list);
  } else if (int clear = GroupOf(id, kGroupKeyClear); clear >= 0) {
    logic_->OnKeyClear(clear);
  } else {
    return false;
  }
  return true;
}

void CSkinMainForm::OnCommand(int id, int code, HWND control) {
  if (logic_ == nullptr) return;
  if (IsSensitivityEdit(id)) {
    if (code == EN_CHANGE) logic_->OnSensitivityEdit(id);
    // The focused edit has colours of its own.
    if (code == EN_SETFOCUS || code == EN_KILLFOCUS) InvalidateRect(control, nullptr, TRUE);
    return;
  }
  if (OnGroupCommand(id, code)) return;
  if (code == BN_CLICKED || control == nullptr) OnFormCommand(id);
}

INT_PTR CSkinMainForm::OnControlColour(HDC dc, HWND control) {
  const int id = GetDlgCtrlID(control);
  if (!IsSensitivityEdit(id)) return 0;
  if (GetFocus() == control) {
    SetTextColor(dc, RGB(255, 255, 255));
    SetBkColor(dc, RGB(0, 0, 0));
    return reinterpret_cast<INT_PTR>(focusBrush_.Get());
  }
  const bool readOnly = (GetWindowLongW(control, GWL_STYLE) & ES_READONLY) != 0;
  SetTextColor(dc, readOnly ? kReadOnlyText : kEditText);
  SetBkColor(dc, RGB(87, 109, 115));
  return reinterpret_cast<INT_PTR>(editBrush_.Get());
}

void CSkinMainForm::PaintProfileName() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(Window(), &ps);
  if (page_ == 3 && nameShown_ && logic_ != nullptr && logic_->CurrentProfile() != 0) {
    // Text drawn straight on the see-through green would keep green edges.
    HBRUSH strip = CreateSolidBrush(kNameStrip);
    HGDIOBJ oldBrush = SelectObject(dc, strip);
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
    RoundRect(dc, kNameArea.left, kNameArea.top, kNameArea.right, kNameArea.bottom, 8, 8);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(strip);
    RECT rect = kNameRect;
    const std::wstring name = logic_->Looks().Name(logic_->CurrentProfile());
    HGDIOBJ old = SelectObject(dc, nameFont_.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(213, 214, 218));
    DrawTextW(dc, name.c_str(), -1, &rect,
              DT_CENTER | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    SelectObject(dc, old);
  }
  EndPaint(Window(), &ps);
}

INT_PTR CSkinMainForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (logic_ == nullptr || message == WM_INITDIALOG) {
    return CSkinFrameDlg::HandleMessage(message, wParam, lParam);
  }
  switch (message) {
    case WM_TIMER:
      logic_->OnTimer(static_cast<int>(wParam));
      return TRUE;
    case WM_DEVICECHANGE:
      logic_->OnDeviceChange(static_cast<int>(wParam));
      SetResult(0);
      return TRUE;
    case WM_LBUTTONUP:
      logic_->OnLeftButtonUp();
      return TRUE;
    case WM_SLIDER_MOVING:
      logic_->OnSensitivitySlider(static_cast<int>(wParam));
      return TRUE;
    case kHookHScroll:
      hook_.OnHookHScroll(wParam, lParam);
      return TRUE;
    case WM_PAINT:
      PaintProfileName();
      return TRUE;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      if (INT_PTR brush = OnControlColour(reinterpret_cast<HDC>(wParam),
                                          reinterpret_cast<HWND>(lParam))) {
        return brush;
      }
      break;
    case kEndForm:
      End(IDCANCEL);
      return TRUE;
    default:
      break;
  }
  return CSkinFrameDlg::HandleMessage(message, wParam, lParam);
}
