#include "skin/ImagePreviewStatic.h"

#include <commctrl.h>
#include <objidl.h>
#include <gdiplus.h>

namespace {

// File names longer than the system's path limit are refused, not cut.
constexpr std::size_t kMaxPath = 259;

}  // namespace

CImagePreviewStatic::CImagePreviewStatic() = default;

CImagePreviewStatic::~CImagePreviewStatic() {
  if (window_ != nullptr && IsWindow(window_)) RemoveWindowSubclass(window_, &Procedure, 5);
}

bool CImagePreviewStatic::Attach(HWND dialog, int id) {
  window_ = GetDlgItem(dialog, id);
  return window_ != nullptr &&
         SetWindowSubclass(window_, &Procedure, 5, reinterpret_cast<DWORD_PTR>(this));
}

bool CImagePreviewStatic::SetFilename(const std::wstring& path) {
  image_.reset();
  if (!path.empty() && path.size() <= kMaxPath) {
    auto image = std::make_unique<Gdiplus::Image>(path.c_str());
    if (image->GetLastStatus() == Gdiplus::Ok && image->GetWidth() > 0) image_ = std::move(image);
  }
  if (window_ != nullptr) InvalidateRect(window_, nullptr, TRUE);
  return image_ != nullptr;
}

void CImagePreviewStatic::SetMode(PreviewMode mode) {
  mode_ = mode;
  if (window_ != nullptr) InvalidateRect(window_, nullptr, TRUE);
}

void CImagePreviewStatic::Draw(HDC dc, const RECT& client) const {
  if (!image_) return;
  const int width = client.right - client.left;
  const int height = client.bottom - client.top;
  const SPlacement at = PlacePreview(mode_, static_cast<int>(image_->GetWidth()),
                                     static_cast<int>(image_->GetHeight()), width, height);
  Gdiplus::Graphics graphics(dc);
  graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
  graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
  const Gdiplus::Rect destination(client.left + at.destination.left, client.top + at.destination.top,
                                  at.destination.right - at.destination.left,
                                  at.destination.bottom - at.destination.top);
  Gdiplus::ImageAttributes clampEdges;
  clampEdges.SetWrapMode(Gdiplus::WrapModeTileFlipXY);
  graphics.DrawImage(image_.get(), destination, at.source.left, at.source.top,
                     at.source.right - at.source.left, at.source.bottom - at.source.top,
                     Gdiplus::UnitPixel, &clampEdges);
}

LRESULT CALLBACK CImagePreviewStatic::Procedure(HWND window, UINT message, WPARAM wParam,
                                                LPARAM lParam, UINT_PTR, DWORD_PTR self) {
  auto* preview = reinterpret_cast<CImagePreviewStatic*>(self);
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(window, &ps);
      RECT client;
      GetClientRect(window, &client);
      preview->Draw(dc, client);
      EndPaint(window, &ps);
      return 0;
    }
    case WM_NCDESTROY:
      RemoveWindowSubclass(window, &Procedure, 5);
      preview->window_ = nullptr;
      break;
    default:
      break;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}
