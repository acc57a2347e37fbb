// The dialog that lets the user choose one of several plugged-in mice
// (template 102): one combo entry per mouse; every highlight is told to
// the listener, which talks to that mouse while the dialog is up.
#pragma once

#include <string>
#include <vector>

#include "app/FormView.h"
#include "skin/BaseDialog.h"

class CDeviceSelectionDlg final : public CBaseDialog {
 public:
  static constexpr int kTemplate = 102;
  static constexpr int kCombo = 1000;

  CDeviceSelectionDlg(const std::vector<std::wstring>& entries, DeviceSelectionListener& listener)
      : CBaseDialog(kTemplate), entries_(entries), listener_(listener) {}

  // The chosen entry, or -1 when cancelled.
  int Run(HWND owner);

 protected:
  BOOL OnInitDialog() override;
  void OnCommand(int id, int code, HWND control) override;

 private:
  int Selection() const;

  const std::vector<std::wstring>& entries_;
  DeviceSelectionListener& listener_;
};
