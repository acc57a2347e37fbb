#include "app/DeviceSelectionDlgWin32.h"

int CDeviceSelectionDlg::Run(HWND owner) {
  const INT_PTR result = DoModal(owner);
  return result < 0 || result >= static_cast<INT_PTR>(entries_.size()) ? -1
                                                                        : static_cast<int>(result);
}

BOOL CDeviceSelectionDlg::OnInitDialog() {
  for (const std::wstring& entry : entries_) {
    SendMessageW(Item(kCombo), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
  }
  SendMessageW(Item(kCombo), CB_SETCURSEL, 0, 0);
  SetForegroundWindow(Window());
  if (!entries_.empty()) listener_.OnHighlight(0);
  return TRUE;
}

int CDeviceSelectionDlg::Selection() const {
  return static_cast<int>(SendMessageW(Item(kCombo), CB_GETCURSEL, 0, 0));
}

void CDeviceSelectionDlg::OnCommand(int id, int code, HWND control) {
  if (id == kCombo && code == CBN_SELCHANGE) {
    if (Selection() >= 0) listener_.OnHighlight(Selection());
  } else if (id == IDOK) {
    End(Selection());
  } else if (id == IDCANCEL) {
    End(-1);
  } else {
    CBaseDialog::OnCommand(id, code, control);
  }
}
