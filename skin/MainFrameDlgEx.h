// The outer frame of the main form: the page picture with its title
// buttons, the version text, and the content window kept on top of it.
#pragma once

#include "skin/GdiObject.h"
#include "skin/HoverButtonEx2.h"
#include "skin/SkinBGDlg.h"
#include "skin/SkinFrameDlg.h"
#include "skin/WndShadow.h"

class CMainFrameDlgEx : public CSkinBGDlg {
 public:
  static constexpr int kFirstPage = 151;
  static constexpr int kSettingsPage = 154;

  CMainFrameDlgEx();
  ~CMainFrameDlgEx() override;

  // The page picture 151 + page; asking again for the shown one does nothing.
  void SetBackground(int pictureId) override;
  void LockTitleButtons(bool lock) override;
  // The form shown on the frame, moved with it; created as a window owned
  // by the frame when the frame opens.
  void SetContent(CSkinFrameDlg* content) { content_ = content; }
  CWndShadow& Shadow() { return shadow_; }

  // Where the web-page button leads.
  static constexpr const wchar_t* kWebAddress = L"https://www.orvo.example/gaming";

 protected:
  BOOL OnInitDialog() override;
  void OnCommand(int id, int code, HWND control) override;
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  static constexpr int kPlaceholder = 0x7FFF;

  void PaintVersion();
  void OpenWebPage();
  void Minimise();

  CHoverButtonEx2 web_;
  CHoverButtonEx2 minimise_;
  CHoverButtonEx2 closeButton_;
  CWndShadow shadow_;
  CFont font_;
  CSkinFrameDlg* content_ = nullptr;
  BOOL dragFullWindows_ = FALSE;
};
