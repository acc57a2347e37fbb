#include "skin/MainFrameDlgEx.h"

#include <shellapi.h>

#include <string>

#include "editions/Edition.h"
#include "skin/SkinIds.h"

namespace {

constexpr int kDragStrip = 37;
constexpr int kMinimisePicture = 181;
constexpr int kClosePicture = 182;
constexpr int kWebPicture = 184;
constexpr RECT kVersionRect{42, 679, 122, 699};

}  // namespace

CMainFrameDlgEx::CMainFrameDlgEx() : CSkinBGDlg(IDD_MAIN_FRAME, true) {
  // Moving the frame redraws two layered windows and the shadow; outlines
  // only while dragging keep that smooth. The user's choice comes back at the end.
  SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &dragFullWindows_, 0);
  SystemParametersInfoW(SPI_SETDRAGFULLWINDOWS, FALSE, nullptr, 0);
  font_.Reset(CreateFontW(15, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                          DEFAULT_PITCH, L"Arial"));
}

CMainFrameDlgEx::~CMainFrameDlgEx() {
  SystemParametersInfoW(SPI_SETDRAGFULLWINDOWS, dragFullWindows_, nullptr, 0);
}

BOOL CMainFrameDlgEx::OnInitDialog() {
  CWndShadow::Initialize();
  SetBackgroundId(kPlaceholder);
  SetDragHeight(kDragStrip);
  web_.Attach(Window(), IDC_WEB_PAGE);
  minimise_.Attach(Window(), IDC_MINIMISE);
  closeButton_.Attach(Window(), IDCANCEL);
  web_.SetBitmap(kWebPicture);
  minimise_.SetBitmap(kMinimisePicture);
  closeButton_.SetBitmap(kClosePicture);
  web_.SetToolTipText(Text(IDS_TIP_WEB));
  minimise_.SetToolTipText(L"Minimized");
  closeButton_.SetToolTipText(L"Close");
  const BOOL result = CSkinBGDlg::OnInitDialog();
  shadow_.CreateShadow(Window());
  if (content_ != nullptr && content_->Create(Window())) {
    RECT rect;
    GetWindowRect(Window(), &rect);
    content_->FollowTo(POINT{rect.left, rect.top});
  }
  return result;
}

void CMainFrameDlgEx::SetBackground(int pictureId) {
  if (Background() == kPlaceholder) {
    pictureId = kFirstPage;
  } else if (pictureId == Background()) {
    return;
  }
  CSkinBGDlg::SetBackground(pictureId);
  const bool settings = pictureId == kSettingsPage;
  const bool closeOnly = pictureId == 151 || pictureId == 153;
  for (int id : {IDC_WEB_PAGE, IDC_MINIMISE, IDCANCEL}) {
    ShowWindow(Item(id), settings ? SW_SHOW : SW_HIDE);
  }
  ShowWindow(Item(IDC_TITLE_CLOSE), closeOnly ? SW_SHOW : SW_HIDE);
  shadow_.UpdateShadow();
}

void CMainFrameDlgEx::LockTitleButtons(bool lock) {
  for (int id : {IDC_WEB_PAGE, IDC_MINIMISE, IDCANCEL, IDC_TITLE_CLOSE}) {
    EnableWindow(Item(id), !lock);
  }
}

void CMainFrameDlgEx::PaintVersion() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(Window(), &ps);
  RECT rect = kVersionRect;
  HGDIOBJ old = SelectObject(dc, font_.Get());
  SetTextColor(dc, RGB(200, 200, 200));
  SetBkMode(dc, TRANSPARENT);
  DrawTextW(dc, L"Ver 1.1", -1, &rect, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
  SelectObject(dc, old);
  EndPaint(Window(), &ps);
}

void CMainFrameDlgEx::OpenWebPage() {
  const auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteW(Window(), L"open", kWebAddress, nullptr, nullptr, SW_SHOWNORMAL));
  if (result > 32) return;
  const std::wstring text = std::wstring(Text(IDS_CANNOT_CONNECT)) + kWebAddress;
  MessageBoxW(Window(), text.c_str(), Text(IDS_APP_TITLE), MB_OK | MB_ICONSTOP | MB_TOPMOST);
}

void CMainFrameDlgEx::Minimise() {
  web_.ClearHover();
  minimise_.ClearHover();
  closeButton_.ClearHover();
  ShowWindow(Window(), SW_MINIMIZE);
}

void CMainFrameDlgEx::OnCommand(int id, int code, HWND control) {
  switch (id) {
    case IDC_WEB_PAGE: OpenWebPage(); break;
    case IDC_MINIMISE: Minimise(); break;
    default: CSkinBGDlg::OnCommand(id, code, control); break;
  }
}

INT_PTR CMainFrameDlgEx::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      PaintVersion();
      return TRUE;
    case WM_MOVE:
      if (content_ != nullptr && content_->Window() != nullptr) {
        RECT rect;
        GetWindowRect(Window(), &rect);
        content_->FollowTo(POINT{rect.left, rect.top});
      }
      break;
    default:
      break;
  }
  return CSkinBGDlg::HandleMessage(message, wParam, lParam);
}
