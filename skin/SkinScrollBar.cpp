#include "skin/SkinScrollBar.h"

#include <windowsx.h>

#include <algorithm>

#include "skin/OffScreenPaint.h"
#include "skin/Pictures.h"
#include "skin/Subclass.h"

namespace {

constexpr UINT_PTR kRepeatTimer = 1;
constexpr UINT kRepeatMs = 100;
constexpr int kStrips = 9;
constexpr int kThumbEnd = 4;  // thumb ends drawn unstretched

// What pressing (and holding) each part sends; the thumb sends as it moves.
int CodeOf(ScrollHit hit) {
  constexpr int kCodes[] = {SB_LINEUP, SB_PAGEUP, SB_THUMBTRACK, SB_PAGEDOWN, SB_LINEDOWN};
  return kCodes[static_cast<int>(hit)];
}

}  // namespace

CSkinScrollBar::~CSkinScrollBar() { Unsubclass<CSkinScrollBar, 12>(window_); }

bool CSkinScrollBar::Create(HWND parent, int id, bool vertical, HBITMAP strips) {
  vertical_ = vertical;
  strips_ = strips;
  window_ = CreateWindowExW(0, L"SCROLLBAR", L"", WS_CHILD | (vertical ? SBS_VERT : SBS_HORZ), 0, 0,
                            0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            GetModuleHandleW(nullptr), nullptr);
  return Subclass<CSkinScrollBar, 12>(window_, this);
}

SScrollRange CSkinScrollBar::Range() const {
  SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS};
  GetScrollInfo(window_, SB_CTL, &info);
  return {info.nMin, info.nMax, static_cast<int>(info.nPage), info.nPos};
}

// Set without the control's own redraw: only our painting shows.
bool CSkinScrollBar::Follow(const SCROLLINFO& info) {
  const SScrollRange wanted{info.nMin, info.nMax, static_cast<int>(info.nPage), info.nPos};
  if (Range() == wanted) return false;
  SCROLLINFO copy = info;
  copy.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  DefSubclassProc(window_, SBM_SETSCROLLINFO, FALSE, reinterpret_cast<LPARAM>(&copy));
  InvalidateRect(window_, nullptr, FALSE);
  return true;
}

int CSkinScrollBar::Length() const {
  RECT rect;
  GetClientRect(window_, &rect);
  return vertical_ ? rect.bottom : rect.right;
}

int CSkinScrollBar::Arrow() const {
  RECT rect;
  GetClientRect(window_, &rect);
  return vertical_ ? rect.right : rect.bottom;
}

int CSkinScrollBar::Along(LPARAM point) const {
  return vertical_ ? GET_Y_LPARAM(point) : GET_X_LPARAM(point);
}

void CSkinScrollBar::DrawStrip(HDC dc, HDC scratch, int strip, RECT to) const {
  const SIZE size = PictureSize(strips_);
  const int height = size.cy / kStrips;
  HGDIOBJ old = SelectObject(scratch, strips_);
  StretchBlt(dc, to.left, to.top, to.right - to.left, to.bottom - to.top, scratch, 0, strip * height,
             size.cx, height, SRCCOPY);
  SelectObject(scratch, old);
}

// The thumb's rounded ends keep their shape; only its middle stretches.
void CSkinScrollBar::DrawThumb(HDC dc, HDC scratch, const RECT& client, const SThumb& thumb) const {
  const SIZE size = PictureSize(strips_);
  const int height = size.cy / kStrips;
  const int strip = vertical_ ? 4 : 5;
  const int end = std::min(kThumbEnd, thumb.length / 2);
  HGDIOBJ old = SelectObject(scratch, strips_);
  auto piece = [&](int from, int length, int source, int sourceLength) {
    if (vertical_) {
      StretchBlt(dc, 0, from, client.right, length, scratch, 0, strip * height + source, size.cx,
                 sourceLength, SRCCOPY);
    } else {
      StretchBlt(dc, from, 0, length, client.bottom, scratch, source, strip * height, sourceLength,
                 height, SRCCOPY);
    }
  };
  const int sourceLength = vertical_ ? height : size.cx;
  piece(thumb.start, end, 0, kThumbEnd);
  piece(thumb.start + end, thumb.length - 2 * end, kThumbEnd, sourceLength - 2 * kThumbEnd);
  piece(thumb.start + thumb.length - end, end, sourceLength - kThumbEnd, kThumbEnd);
  SelectObject(scratch, old);
}

void CSkinScrollBar::Paint() {
  PaintOffScreen(window_, [this](HDC dc, const RECT& client) {
    if (strips_ == nullptr) return;
    CMemoryDC scratch(dc, nullptr);
    const int arrow = Arrow(), length = Length();
    const RECT first = vertical_ ? RECT{0, 0, client.right, arrow} : RECT{0, 0, arrow, client.bottom};
    const RECT last = vertical_ ? RECT{0, length - arrow, client.right, length}
                                : RECT{length - arrow, 0, length, client.bottom};
    DrawStrip(dc, scratch.Get(), vertical_ ? 6 : 7, client);
    DrawStrip(dc, scratch.Get(), vertical_ ? 0 : 2, first);
    DrawStrip(dc, scratch.Get(), vertical_ ? 1 : 3, last);
    SScrollRange range = Range();
    if (holding_ && pressed_ == ScrollHit::Thumb) range.pos = dragPos_;
    const SThumb thumb = ScrollBarThumb(length, arrow, range);
    if (thumb.length > 0) DrawThumb(dc, scratch.Get(), client, thumb);
  });
}

void CSkinScrollBar::Send(int code, int position) {
  const UINT message = vertical_ ? WM_VSCROLL : WM_HSCROLL;
  SendMessageW(GetParent(window_), message, MAKEWPARAM(code, position),
               reinterpret_cast<LPARAM>(window_));
}

void CSkinScrollBar::Press(int at) {
  const SThumb thumb = ScrollBarThumb(Length(), Arrow(), Range());
  pressed_ = ScrollBarHit(Length(), Arrow(), thumb, at);
  holding_ = true;
  SetCapture(window_);
  if (pressed_ == ScrollHit::Thumb) {
    grip_ = at - thumb.start;
    dragPos_ = Range().pos;
    return;
  }
  Send(CodeOf(pressed_));
  SetTimer(window_, kRepeatTimer, kRepeatMs, nullptr);
}

void CSkinScrollBar::Drag(int at) {
  const int pos = ScrollPosForThumb(Length(), Arrow(), Range(), at - grip_);
  if (pos == dragPos_) return;
  dragPos_ = pos;
  Send(SB_THUMBTRACK, pos);
  InvalidateRect(window_, nullptr, FALSE);
}

void CSkinScrollBar::Release() {
  KillTimer(window_, kRepeatTimer);
  if (!holding_) return;
  holding_ = false;
  if (pressed_ == ScrollHit::Thumb) Send(SB_THUMBPOSITION, dragPos_);
  Send(SB_ENDSCROLL);
  InvalidateRect(window_, nullptr, FALSE);
}

LRESULT CSkinScrollBar::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      Press(Along(lParam));
      return 0;
    case WM_MOUSEMOVE:
      if (holding_ && pressed_ == ScrollHit::Thumb) Drag(Along(lParam));
      return 0;
    case WM_LBUTTONUP:
      ReleaseCapture();
      Release();
      return 0;
    case WM_CAPTURECHANGED:
      Release();
      return 0;
    case WM_TIMER:
      if (wParam != kRepeatTimer) break;
      Send(CodeOf(pressed_));
      return 0;
    case SBM_SETSCROLLINFO:
      InvalidateRect(window_, nullptr, FALSE);
      return DefSubclassProc(window_, message, FALSE, lParam);
    default:
      break;
  }
  return DefSubclassProc(window_, message, wParam, lParam);
}
