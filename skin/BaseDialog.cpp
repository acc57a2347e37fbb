#include "skin/BaseDialog.h"

CBaseDialog::~CBaseDialog() {
  if (window_ != nullptr && !modal_) DestroyWindow(window_);
}

INT_PTR CBaseDialog::DoModal(HWND owner) {
  modal_ = true;
  return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), owner,
                         &CBaseDialog::Procedure, reinterpret_cast<LPARAM>(this));
}

bool CBaseDialog::Create(HWND owner) {
  modal_ = false;
  return CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), owner,
                            &CBaseDialog::Procedure, reinterpret_cast<LPARAM>(this)) != nullptr;
}

void CBaseDialog::End(INT_PTR result) {
  if (window_ == nullptr) return;
  if (modal_) {
    EndDialog(window_, result);
  } else {
    DestroyWindow(window_);
  }
}

INT_PTR CBaseDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return OnInitDialog();
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return TRUE;
    default:
      return FALSE;
  }
}

void CBaseDialog::OnCommand(int id, int, HWND) {
  if (id == IDOK || id == IDCANCEL) End(id);
}

INT_PTR CALLBACK CBaseDialog::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<CBaseDialog*>(lParam);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, lParam);
  }
  auto* self = reinterpret_cast<CBaseDialog*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return FALSE;
  if (message == WM_NCDESTROY) {
    // No virtual call may reach an object whose window is gone.
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->window_ = nullptr;
    return FALSE;
  }
  return self->HandleMessage(message, wParam, lParam);
}
