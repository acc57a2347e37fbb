// A static control showing a picture file (JPEG, GIF, PNG, BMP through
// GDI+) stretched, fitted or cropped to fill. The program starts GDI+.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "skin/PreviewPlacement.h"

namespace Gdiplus {
class Image;
}

class CImagePreviewStatic {
 public:
  CImagePreviewStatic();
  ~CImagePreviewStatic();
  CImagePreviewStatic(const CImagePreviewStatic&) = delete;
  CImagePreviewStatic& operator=(const CImagePreviewStatic&) = delete;

  bool Attach(HWND dialog, int id);
  // A file that cannot be decoded leaves the preview empty; false then.
  bool SetFilename(const std::wstring& path);
  void SetMode(PreviewMode mode);
  bool HasPicture() const { return image_ != nullptr; }
  // Draws the picture into `client` (what painting does).
  void Draw(HDC dc, const RECT& client) const;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR id, DWORD_PTR self);

  HWND window_ = nullptr;
  std::unique_ptr<Gdiplus::Image> image_;
  PreviewMode mode_ = PreviewMode::Stretch;
};
