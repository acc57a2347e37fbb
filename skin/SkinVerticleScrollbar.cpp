#include "skin/SkinVerticleScrollbar.h"

#include "skin/OffScreenPaint.h"
#include "skin/Subclass.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "skin/Pictures.h"

namespace {

constexpr UINT_PTR kArrowTimer = 1;
constexpr UINT kArrowRepeatMs = 250;
constexpr int kCap = 0, kUp = 1, kTrack = 2, kThumb = 3, kDown = 4;
constexpr int kPictures[] = {414, 410, 411, 412, 413};
constexpr int kDefaultRowHeight = 17;

struct SListScroll {
  int position = 0;
  int limit = 0;
};

SListScroll ScrollOf(HWND list) {
  SCROLLINFO info{sizeof(info), SIF_ALL};
  if (!GetScrollInfo(list, SB_VERT, &info)) return {};
  const int page = std::max(1, static_cast<int>(info.nPage));
  return {info.nPos, std::max(0, info.nMax - info.nMin - page + 1)};
}

int RowHeight(HWND list) {
  RECT row{LVIR_BOUNDS};
  if (!SendMessageW(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row))) return kDefaultRowHeight;
  return std::max(1, static_cast<int>(row.bottom - row.top));
}

}  // namespace

CSkinVerticleScrollbar::~CSkinVerticleScrollbar() {
  Unsubclass<CSkinVerticleScrollbar, 10>(window_);
}

bool CSkinVerticleScrollbar::Attach(HWND bar, HWND list) {
  window_ = bar;
  list_ = list;
  for (int n = 0; n < 5; ++n) pieces_[n] = LoadPicture(kPictures[n]);
  return Subclass<CSkinVerticleScrollbar, 10>(window_, this);
}

int CSkinVerticleScrollbar::Height() const {
  RECT rect;
  GetClientRect(window_, &rect);
  return rect.bottom;
}

void CSkinVerticleScrollbar::UpdateThumbPosition() {
  if (window_ == nullptr) return;
  const SListScroll scroll = ScrollOf(list_);
  thumbTop_ = VerticalThumbTop(0, Height(), scroll.position, scroll.limit);
  InvalidateRect(window_, nullptr, FALSE);
  UpdateWindow(window_);
}

void CSkinVerticleScrollbar::Put(HDC dc, HDC pieces, int picture, int y, int height) const {
  StretchPicture(dc, pieces, pieces_[picture].Get(), 0, y, kWidth, height);
}

// Drawn top to bottom off screen; the list view shows its own bars again
// whenever its range changes, so they are hidden after every drawing.
void CSkinVerticleScrollbar::Paint() {
  PaintOffScreen(window_, [this](HDC dc, const RECT& rect) {
    CMemoryDC pieces(dc, nullptr);
    const int height = rect.bottom;
    Put(dc, pieces.Get(), kCap, 0, 18);
    Put(dc, pieces.Get(), kUp, 18, kBarArrow);
    Put(dc, pieces.Get(), kTrack, kBarHead, std::max(0, height - kBarHead));
    Put(dc, pieces.Get(), kDown, height - kBarArrow, kBarArrow);
    Put(dc, pieces.Get(), kThumb, thumbTop_, kBarThumb);
  });
  ShowScrollBar(list_, SB_BOTH, FALSE);
}

void CSkinVerticleScrollbar::Step(int code) {
  SendMessageW(list_, WM_VSCROLL, MAKEWPARAM(code, 0), 0);
  UpdateThumbPosition();
}

void CSkinVerticleScrollbar::Press(int y) {
  SetCapture(window_);
  pressed_ = VerticalBarPartAt(Height(), thumbTop_, y);
  dragging_ = pressed_ == BarPart::Thumb;
  arrowHeld_ = pressed_ == BarPart::UpArrow || pressed_ == BarPart::DownArrow;
  if (arrowHeld_) SetTimer(window_, kArrowTimer, kArrowRepeatMs, nullptr);
}

// The list scrolls by whole rows to where the thumb now stands.
void CSkinVerticleScrollbar::Drag(int y) {
  thumbTop_ = DraggedThumbTop(Height(), y);
  const SListScroll scroll = ScrollOf(list_);
  const int rows = RowsForThumb(Height(), thumbTop_, scroll.position, scroll.limit);
  if (rows != 0) SendMessageW(list_, LVM_SCROLL, 0, rows * RowHeight(list_));
  InvalidateRect(window_, nullptr, FALSE);
  UpdateWindow(window_);
}

void CSkinVerticleScrollbar::EndPress() {
  KillTimer(window_, kArrowTimer);
  dragging_ = false;
  arrowHeld_ = false;
}

void CSkinVerticleScrollbar::Release(int y) {
  const bool arrow = arrowHeld_;
  const bool track = !dragging_ && pressed_ == BarPart::Track;
  EndPress();
  ReleaseCapture();
  const BarPart part = VerticalBarPartAt(Height(), thumbTop_, y);
  if (arrow && part == pressed_) {
    Step(part == BarPart::UpArrow ? SB_LINEUP : SB_LINEDOWN);
  } else if (track && part == BarPart::Track) {
    Step(y > thumbTop_ ? SB_PAGEDOWN : SB_PAGEUP);
  }
  UpdateThumbPosition();
}

LRESULT CSkinVerticleScrollbar::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      Press(GET_Y_LPARAM(lParam));
      return 0;
    case WM_MOUSEMOVE:
      if (dragging_) Drag(GET_Y_LPARAM(lParam));
      return 0;
    case WM_LBUTTONUP:
      if (GetCapture() == window_) Release(GET_Y_LPARAM(lParam));
      return 0;
    case WM_CAPTURECHANGED:
      EndPress();
      return 0;
    case WM_TIMER:
      if (wParam != kArrowTimer) break;
      Step(pressed_ == BarPart::UpArrow ? SB_LINEUP : SB_LINEDOWN);
      return 0;
    default:
      break;
  }
  return DefSubclassProc(window_, message, wParam, lParam);
}
