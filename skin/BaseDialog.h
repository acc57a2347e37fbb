// The thin dialog layer: a dialog from a template whose procedure finds its
// object through the window, and forwards every message to it. It knows
// nothing of the program's messages.
#pragma once

#include <windows.h>

class CBaseDialog {
 public:
  explicit CBaseDialog(int templateId) : templateId_(templateId) {}
  virtual ~CBaseDialog();
  CBaseDialog(const CBaseDialog&) = delete;
  CBaseDialog& operator=(const CBaseDialog&) = delete;

  // Runs the dialog modally; returns what it ended with, or -1.
  INT_PTR DoModal(HWND owner);
  // Creates the dialog as a window owned by `owner` (not modal).
  bool Create(HWND owner);
  // Ends a modal run, or destroys a window made by Create.
  void End(INT_PTR result);

  HWND Window() const { return window_; }
  HWND Item(int id) const { return GetDlgItem(window_, id); }
  int TemplateId() const { return templateId_; }
  bool Modal() const { return modal_; }

 protected:
  // Every message of the dialog; return TRUE when handled (and set the
  // result with SetResult where the message needs one).
  virtual INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  virtual BOOL OnInitDialog() { return TRUE; }
  virtual void OnCommand(int id, int code, HWND control);
  void SetResult(LRESULT result) { SetWindowLongPtrW(window_, DWLP_MSGRESULT, result); }

 private:
  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  int templateId_;
  HWND window_ = nullptr;
  bool modal_ = false;
};
