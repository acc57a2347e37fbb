#include "skin/SkinFrame1.h"

#include <commdlg.h>

#include "skin/SkinDlgEx.h"
#include "skin/SkinIds.h"

namespace {

constexpr int kOkPicture = 235;
constexpr int kCancelPicture = 236;
constexpr int kBrowsePicture = 237;
constexpr int kApplyPicture = 649;
constexpr int kDoNotApplyPicture = 650;
constexpr int kNameLimit = 13;

}  // namespace

CSkinFrame1::CSkinFrame1(CSkinDlgEx& box, int pictureId)
    : CSkinFrameDlg(IDD_BOX_PANEL, pictureId), box_(box) {}

void CSkinFrame1::Place(CHoverButtonEx& button, int x, int y) {
  SetWindowPos(button.Window(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(button.Window(), SW_SHOW);
}

BOOL CSkinFrame1::OnInitDialog() {
  const BOOL result = CSkinFrameDlg::OnInitDialog();
  const int kind = box_.Kind();
  ok_.Attach(Window(), IDOK);
  cancel_.Attach(Window(), IDCANCEL);
  browse_.Attach(Window(), IDC_PICTURE_BROWSE);
  ok_.SetBitmap(kind == 648 ? kApplyPicture : kOkPicture);
  cancel_.SetBitmap(kind == 648 ? kDoNotApplyPicture : kCancelPicture);
  browse_.SetBitmap(kBrowsePicture);
  HWND edit = Item(IDC_NAME);
  SendMessageW(edit, EM_LIMITTEXT, kNameLimit, 0);
  SetWindowTextW(edit, name.c_str());
  switch (kind) {
    case 342:
      Place(ok_, 89, 292);
      Place(cancel_, 192, 292);
      ShowWindow(edit, SW_SHOW);
      ShowWindow(browse_.Window(), SW_SHOW);
      break;
    case 344: case 346: case 353:
      Place(ok_, 140, 214);
      break;
    case 345:
      Place(ok_, 89, 214);
      Place(cancel_, 192, 214);
      SetWindowPos(edit, nullptr, 69, 110, 234, 18, SWP_NOZORDER | SWP_NOACTIVATE);
      ShowWindow(edit, SW_SHOW);
      break;
    default:
      Place(ok_, 89, 214);
      Place(cancel_, 192, 214);
      break;
  }
  ready_ = true;
  return result;
}

void CSkinFrame1::Ok() {
  if (!ready_) return;
  const int kind = box_.Kind();
  if (kind == 342 || kind == 345) {
    wchar_t typed[257] = L"";
    GetDlgItemTextW(Window(), IDC_NAME, typed, static_cast<int>(std::size(typed)));
    name = typed;
    if (kind == 345) {
      if (name.empty()) {
        MessageBoxW(Window(), L"No File Name!", L"", MB_OK);
        SetFocus(Item(IDC_NAME));
        return;
      }
      path += L"\\" + name;
    }
  }
  ready_ = false;
  box_.EndWith(IDOK);
}

void CSkinFrame1::Cancel() {
  if (!ready_) return;
  ready_ = false;
  box_.EndWith(IDCANCEL);
}

void CSkinFrame1::BrowsePicture() {
  wchar_t file[1024] = L"";
  OPENFILENAMEW ofn{sizeof(ofn)};
  ofn.hwndOwner = Window();
  ofn.lpstrFilter = L"Pictures (*.bmp;*.jpg;*.jpeg;*.gif;*.png)\0*.bmp;*.jpg;*.jpeg;*.gif;*.png\0";
  ofn.lpstrFile = file;
  ofn.nMaxFile = static_cast<DWORD>(std::size(file));
  ofn.Flags = OFN_NOCHANGEDIR | OFN_HIDEREADONLY | OFN_FILEMUSTEXIST;
  if (!GetOpenFileNameW(&ofn)) return;
  path = file;
  fileName = path.substr(ofn.nFileOffset);
  SendMessageW(box_.Window(), WM_BOX_PICTURE, 0, 0);
}

void CSkinFrame1::OnCommand(int id, int, HWND) {
  switch (id) {
    case IDOK: Ok(); break;
    case IDCANCEL: Cancel(); break;
    case IDC_PICTURE_BROWSE: BrowsePicture(); break;
    default: break;
  }
}

INT_PTR CSkinFrame1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CTLCOLOREDIT) {
    HDC dc = reinterpret_cast<HDC>(wParam);
    SetTextColor(dc, RGB(213, 213, 218));
    SetBkColor(dc, RGB(87, 110, 115));
    return reinterpret_cast<INT_PTR>(editBrush_.Get());
  }
  return CSkinFrameDlg::HandleMessage(message, wParam, lParam);
}
