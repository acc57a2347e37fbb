#include "skin/gallery/GalleryControlsWin32.h"

#include <commctrl.h>

#include <string>

#include "editions/Edition.h"

namespace {

constexpr wchar_t kClass[] = L"Mirel-Gallery-Controls";
constexpr COLORREF kBase = RGB(38, 44, 46);
constexpr int kFirstTab = 1011;
constexpr int kTitle = 1043;
constexpr int kFunctions = 1049;
constexpr int kCommands = 1080;

void RegisterOnce() {
  WNDCLASSEXW kind{sizeof(kind)};
  kind.lpfnWndProc = DefWindowProcW;
  kind.hInstance = GetModuleHandleW(nullptr);
  kind.hbrBackground = CreateSolidBrush(kBase);
  kind.lpszClassName = kClass;
  RegisterClassExW(&kind);
}

}  // namespace

CGalleryControls::CGalleryControls() {
  RegisterOnce();
  window_ = CreateWindowExW(0, kClass, L"Controls", WS_POPUP | WS_VISIBLE, 40, 40, 640, 420,
                            nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  font_.Reset(CreateFontW(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0,
                          CLEARTYPE_QUALITY, 0, L"Microsoft JhengHei"));
  MakeTabs();
  MakeGroup();
  MakeFunctionList();
  MakeCommandList();
}

CGalleryControls::~CGalleryControls() { DestroyWindow(window_); }

HWND CGalleryControls::Child(const wchar_t* kind, DWORD style, int id, RECT place) {
  HWND child = CreateWindowExW(0, kind, L"", WS_CHILD | WS_VISIBLE | style, place.left, place.top,
                               place.right - place.left, place.bottom - place.top, window_,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               GetModuleHandleW(nullptr), nullptr);
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
  return child;
}

// Tab 1 selected, tab 2 under the mouse, tab 3 disabled.
void CGalleryControls::MakeTabs() {
  const RECT caption{36, 0, 143, 28};
  for (int p = 0; p < 4; ++p) {
    Child(L"BUTTON", BS_PUSHBUTTON, kFirstTab + p, RECT{16 + 150 * p, 16, 40 + 150 * p, 40});
    CHoverButtonEx3& tab = tabs_[p];
    tab.Attach(window_, kFirstTab + p);
    tab.SetBitmap(p == 0 ? 205 : 190 + 2 * p);
    tab.SetCaption(Text(static_cast<TextId>(IDS_PROFILE_NAME_0 + p)), font_.Get(), &caption);
    tab.SetToolTipText(Text(static_cast<TextId>(IDS_TIP_TAB_0 + p)));
  }
  tabs_[1].SetSelected(true);
  SendMessageW(tabs_[2].Window(), WM_MOUSEHOVER, 0, 0);
  EnableWindow(tabs_[3].Window(), FALSE);
}

// The first group's title in modes 0 and 1 (the second disabled) and its
// key-clear, macro and script buttons.
void CGalleryControls::MakeGroup() {
  const RECT caption{11, 8, 136, 26};
  for (int n = 0; n < 2; ++n) {
    Child(L"BUTTON", BS_PUSHBUTTON, kTitle + n, RECT{16, 70 + 40 * n, 30, 90 + 40 * n});
    titles_[n].Attach(window_, kTitle + n);
    const int base = n == 0 ? 452 : 476;
    titles_[n].SetLookPictures(base, base + 1, base + 2, base + 3);
    titles_[n].SetCaption(n == 0 ? L"Left button" : L"Ctrl + C", font_.Get(), &caption);
  }
  EnableWindow(titles_[1].Window(), FALSE);
  const int pictures[][3] = {{283, 283, 416}, {285, 285, 418}, {287, 287, 420}};
  for (int n = 0; n < 3; ++n) {
    Child(L"BUTTON", BS_PUSHBUTTON, 1055 + 6 * n, RECT{176 + 32 * n, 76, 190 + 32 * n, 90});
    groupButtons_[n].Attach(window_, 1055 + 6 * n);
    groupButtons_[n].SetLookPictures(pictures[n][0], pictures[n][1], pictures[n][2],
                                     pictures[n][2] + 1);
  }
  SendMessageW(groupButtons_[1].Window(), WM_MOUSEHOVER, 0, 0);
}

void CGalleryControls::MakeFunctionList() {
  Child(L"LISTBOX", LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY | WS_VSCROLL, kFunctions,
        RECT{16, 160, 290, 400});
  functions_.Attach(window_, kFunctions);
  functions_.SetColours(RGB(217, 218, 219), RGB(52, 62, 64), RGB(162, 188, 206), RGB(10, 82, 126));
  functions_.SetBackgroundPicture(647);
  functionBars_.Attach(282, window_, kFunctions);
  for (int n = 0; n < 24; ++n) {
    const std::wstring text = L"Function " + std::to_wstring(n + 1);
    SendDlgItemMessageW(window_, kFunctions, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  SendDlgItemMessageW(window_, kFunctions, LB_SETCURSEL, 2, 0);
}

void CGalleryControls::MakeCommandList() {
  Child(WC_LISTVIEWW, LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL, kCommands,
        RECT{310, 70, 624, 400});
  commands_.Attach(window_, kCommands);
  HWND list = commands_.Window();
  SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  const wchar_t* titles[] = {L"#", L"Command"};
  for (int c = 0; c < 2; ++c) {
    LVCOLUMNW column{LVCF_TEXT | LVCF_WIDTH, 0, c == 0 ? 40 : 230, const_cast<wchar_t*>(titles[c])};
    SendMessageW(list, LVM_INSERTCOLUMNW, c, reinterpret_cast<LPARAM>(&column));
  }
  for (int r = 0; r < 40; ++r) {
    std::wstring number = std::to_wstring(r + 1);
    std::wstring command = r % 2 == 0 ? L"Key A down" : L"Delay 20 ms";
    LVITEMW item{LVIF_TEXT, r, 0, 0, 0, number.data()};
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    item.iSubItem = 1;
    item.pszText = command.data();
    SendMessageW(list, LVM_SETITEMTEXTW, r, reinterpret_cast<LPARAM>(&item));
  }
  LVITEMW selected{};
  selected.stateMask = LVIS_SELECTED;
  selected.state = LVIS_SELECTED;
  SendMessageW(list, LVM_SETITEMSTATE, 3, reinterpret_cast<LPARAM>(&selected));
  commands_.ScrollBar().UpdateThumbPosition();
}
