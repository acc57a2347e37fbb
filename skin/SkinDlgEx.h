// The one skinned message box: configured by its kind (which is also its
// background picture) before each modal run. Answers 1 (OK, Apply) or 2
// (Cancel, Do not apply, close).
#pragma once

#include <array>
#include <memory>
#include <string>

#include "skin/BitmapProgressBar.h"
#include "skin/GdiObject.h"
#include "skin/ImagePreviewStatic.h"
#include "skin/SkinBGDlg.h"
#include "skin/SkinFrame1.h"
#include "skin/WndShadow.h"

class CSkinDlgEx : public CSkinBGDlg {
 public:
  static constexpr int kPanelDrop = 38;

  CSkinDlgEx();

  void SetKind(int kind);
  int Kind() const { return kind_; }
  void SetPanelPicture(int pictureId) { panelPicture_ = pictureId; }
  void SetMessageText(const std::wstring& text) { message_ = text.substr(0, 127); }
  void SetFirstLine(const std::wstring& text) { firstLine_ = text.substr(0, 127); }
  void SetModeTexts(const std::array<std::wstring, 4>& texts) { modeTexts_ = texts; }
  void SetDefaultPicture(int pictureId) { defaultPicture_ = pictureId; }
  void SetRange(int range) { range_ = range; }
  // Kind 345: the folder; kind 342: the preset picture path.
  void SetPath(const std::wstring& path) { path_ = path; }
  void SetName(const std::wstring& name) { name_ = name; }

  // Results of the last run.
  const std::wstring& Name() const { return name_; }
  const std::wstring& Path() const { return path_; }
  const std::wstring& FileName() const { return fileName_; }

  virtual void PanelOK();
  void CloseBox() override;
  void EndWith(INT_PTR result);

  CSkinFrame1* Panel() { return panel_.get(); }
  CWndShadow& Shadow() { return shadow_; }
  CBitmapProgressBar& Bar() { return bar_; }
  CBitmapProgressBar& Spinner() { return spinner_; }

 protected:
  BOOL OnInitDialog() override;
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  bool ProgressKind() const;
  void ShowText(int id, const std::wstring& text);
  void OpenPanel();
  void FollowPanel();
  void BrowseFolder();
  void ShowPicture(const std::wstring& path);
  void ShowDefaultPicture();

  int kind_ = 346;
  int panelPicture_ = 156;
  int defaultPicture_ = 224;
  int range_ = 0;
  std::wstring message_;
  std::wstring firstLine_;
  std::array<std::wstring, 4> modeTexts_;
  std::wstring path_;
  std::wstring name_;
  std::wstring fileName_;
  CBitmapProgressBar bar_;
  CBitmapProgressBar spinner_;
  CHoverButtonEx folderBrowse_;
  CImagePreviewStatic preview_;
  CWndShadow shadow_;
  std::unique_ptr<CSkinFrame1> panel_;
  CFont font_;
};
