#include "skin/WndShadow.h"

#include <commctrl.h>

#include <vector>

#include "skin/GdiObject.h"
#include "skin/RegionRuns.h"

namespace {

constexpr wchar_t kClassName[] = L"Shadow";
bool layeredUpdates = false;

// The parent's region as one outline span per row of its window rectangle;
// a window without a region is its whole rectangle.
std::vector<SRowSpan> ParentOutline(HWND parent, int width, int height) {
  CRegion region(CreateRectRgn(0, 0, 0, 0));
  if (GetWindowRgn(parent, region.Get()) == ERROR) {
    return std::vector<SRowSpan>(height, SRowSpan{0, width});
  }
  const DWORD bytes = GetRegionData(region.Get(), 0, nullptr);
  std::vector<std::uint8_t> buffer(bytes);
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  if (bytes == 0 || GetRegionData(region.Get(), bytes, data) == 0) {
    return std::vector<SRowSpan>(height, SRowSpan{0, width});
  }
  const auto* rects = reinterpret_cast<const RECT*>(data->Buffer);
  std::vector<SRect> list;
  for (DWORD n = 0; n < data->rdh.nCount; ++n) {
    list.push_back({rects[n].left, rects[n].top, rects[n].right, rects[n].bottom});
  }
  return RowOutline(list, width, height);
}

}  // namespace

CWndShadow::~CWndShadow() {
  if (parent_ != nullptr && IsWindow(parent_)) RemoveWindowSubclass(parent_, &ParentProcedure, 2);
  if (shadow_ != nullptr && IsWindow(shadow_)) DestroyWindow(shadow_);
}

bool CWndShadow::Initialize() {
  static const bool registered = [] {
    layeredUpdates = GetProcAddress(GetModuleHandleW(L"user32.dll"), "UpdateLayeredWindow") != nullptr;
    WNDCLASSEXW wc{sizeof(wc)};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    wc.lpszClassName = kClassName;
    return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }();
  return registered && layeredUpdates;
}

void CWndShadow::CreateShadow(HWND parent) {
  if (!Initialize() || parent == nullptr) return;
  look_ = SShadowLook{};
  look_.darkness = 180;
  look_.sharpness = 10;
  look_.size = 5;
  look_.xOffset = 0;
  look_.yOffset = 0;
  parent_ = parent;
  shadow_ = CreateWindowExW(WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_NOACTIVATE, kClassName,
                            nullptr, WS_POPUP, 0, 0, 0, 0, parent, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  if (shadow_ == nullptr) return;
  const LONG_PTR style = GetWindowLongPtrW(parent, GWL_STYLE);
  if ((style & WS_VISIBLE) == 0) {
    status_ = kEnabled;
  } else if ((style & (WS_MINIMIZE | WS_MAXIMIZE)) != 0) {
    status_ = kEnabled | kParentVisible;
  } else {
    status_ = kEnabled | kVisible | kParentVisible;
    ShowWindow(shadow_, SW_SHOWNOACTIVATE);
    UpdateShadow();
  }
  SetWindowSubclass(parent, &ParentProcedure, 2, reinterpret_cast<DWORD_PTR>(this));
}

void CWndShadow::UpdateShadow() {
  if (shadow_ == nullptr) return;
  RECT rect;
  GetWindowRect(parent_, &rect);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  const CShadowImage image(ParentOutline(parent_, width, height), width, look_);
  if (image.Width() <= 0 || image.Height() <= 0) return;

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = image.Width();
  info.bmiHeader.biHeight = -image.Height();
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  CBitmap surface(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!surface || bits == nullptr) return;
  std::copy(image.Pixels().begin(), image.Pixels().end(), static_cast<std::uint32_t*>(bits));

  HDC screen = GetDC(nullptr);
  {
    CMemoryDC memory(screen, surface.Get());
    POINT at{rect.left + look_.xOffset - look_.size, rect.top + look_.yOffset - look_.size};
    SIZE size{image.Width(), image.Height()};
    POINT origin{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    UpdateLayeredWindow(shadow_, screen, &at, &size, memory.Get(), &origin, 0, &blend, ULW_ALPHA);
  }
  ReleaseDC(nullptr, screen);
  // Keep the shadow right behind its parent.
  SetWindowPos(shadow_, parent_, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void CWndShadow::Show(bool show) {
  ShowWindow(shadow_, show ? SW_SHOWNOACTIVATE : SW_HIDE);
}

void CWndShadow::OnParentMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOVE:
      if (status_ & kVisible) {
        RECT rect;
        GetWindowRect(parent_, &rect);
        SetWindowPos(shadow_, nullptr, rect.left + look_.xOffset - look_.size,
                     rect.top + look_.yOffset - look_.size, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      }
      break;
    case WM_SIZE:
      if (!(status_ & kEnabled)) break;
      if (wParam == SIZE_MINIMIZED || wParam == SIZE_MAXIMIZED) {
        Show(false);
        status_ &= ~kVisible;
      } else if (IsWindowVisible(parent_)) {
        const bool grew = LOWORD(lParam) > LOWORD(lastSize_) || HIWORD(lParam) > HIWORD(lastSize_);
        if (grew) {
          updatePending_ = true;
        } else {
          UpdateShadow();
        }
        if (!(status_ & kVisible)) {
          Show(true);
          status_ |= kVisible;
        }
      }
      lastSize_ = lParam;
      break;
    case WM_PAINT:
      if (updatePending_) {
        UpdateShadow();
        updatePending_ = false;
      }
      break;
    case WM_SHOWWINDOW:
      if (!(status_ & kEnabled)) break;
      if (wParam) {
        if (!(status_ & kParentVisible)) updatePending_ = true;
        Show(true);
        status_ |= kVisible | kParentVisible;
      } else {
        Show(false);
        status_ &= ~(kVisible | kParentVisible);
      }
      break;
    case WM_EXITSIZEMOVE:
      if (status_ & kVisible) UpdateShadow();
      break;
    case WM_DESTROY:
      DestroyWindow(shadow_);
      shadow_ = nullptr;
      break;
    default:
      break;
  }
}

LRESULT CALLBACK CWndShadow::ParentProcedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam, UINT_PTR, DWORD_PTR self) {
  auto* shadow = reinterpret_cast<CWndShadow*>(self);
  shadow->OnParentMessage(message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(window, &ParentProcedure, 2);
    shadow->parent_ = nullptr;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}
