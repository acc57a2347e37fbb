#include "skin/HoverButtonEx.h"

#include <commctrl.h>

#include "skin/ButtonStates.h"
#include "skin/Pictures.h"

namespace {

constexpr int kTipPopDownMs = 2000;

TTTOOLINFOW ToolOf(HWND button, const std::wstring& text) {
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V1_SIZE;
  tool.uFlags = TTF_IDISHWND;
  tool.hwnd = GetParent(button);
  tool.uId = reinterpret_cast<UINT_PTR>(button);
  tool.lpszText = const_cast<wchar_t*>(text.c_str());
  return tool;
}

}  // namespace

CHoverButtonEx::~CHoverButtonEx() {
  if (IsWindow(tip_)) DestroyWindow(tip_);
  if (window_ != nullptr && IsWindow(window_)) RemoveWindowSubclass(window_, &Procedure, 1);
}

bool CHoverButtonEx::Attach(HWND dialog, int id) {
  window_ = GetDlgItem(dialog, id);
  return window_ != nullptr &&
         SetWindowSubclass(window_, &Procedure, 1, reinterpret_cast<DWORD_PTR>(this));
}

bool CHoverButtonEx::SetBitmap(int pictureId, bool stacked) {
  picture_ = LoadPicture(pictureId);
  if (!picture_ || window_ == nullptr) return false;
  const SIZE strip = PictureSize(picture_.Get());
  const SSize state = StateImageSize({strip.cx, strip.cy}, stacked);
  state_ = SIZE{state.width, state.height};
  stacked_ = stacked;
  SetWindowPos(window_, nullptr, 0, 0, state_.cx, state_.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(window_, nullptr, FALSE);
  return true;
}

void CHoverButtonEx::ClearHover() { hover_.Clear(window_); }

void CHoverButtonEx::SetToolTipText(const std::wstring& text, bool activate) {
  if (window_ == nullptr) return;
  tipText_ = text;
  TTTOOLINFOW tool = ToolOf(window_, tipText_);
  if (tip_ == nullptr) {
    // Always-tip: the form under the pointer need not be the active window.
    tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                           WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
    if (tip_ == nullptr) return;
    SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageW(tip_, TTM_SETDELAYTIME, TTDT_AUTOPOP, kTipPopDownMs);
  SendMessageW(tip_, TTM_ACTIVATE, activate ? TRUE : FALSE, 0);
}

void CHoverButtonEx::RelayToTip(UINT message, WPARAM wParam, LPARAM lParam) {
  if (tip_ == nullptr) return;
  MSG msg{window_, message, wParam, lParam, static_cast<DWORD>(GetMessageTime()), {}};
  GetCursorPos(&msg.pt);
  SendMessageW(tip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

bool CHoverButtonEx::Pressed() const {
  return (SendMessageW(window_, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
}

int CHoverButtonEx::StateImage() const {
  return HoverButtonState(Pressed(), hover_.Hover(), IsWindowEnabled(window_) != FALSE);
}

void CHoverButtonEx::Draw(HDC dc, const RECT& rect, int state) {
  CMemoryDC source(dc, picture_.Get());
  const int x = stacked_ ? 0 : state * state_.cx;
  const int y = stacked_ ? state * state_.cy : 0;
  SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
             source.Get(), x, y, state_.cx, state_.cy, SRCCOPY);
}

// Drawn off screen and copied in one block, so a state change never flickers.
void CHoverButtonEx::PaintInto(HDC screen, const RECT& rect) {
  CBitmap surface(CreateCompatibleBitmap(screen, rect.right, rect.bottom));
  CMemoryDC memory(screen, surface.Get());
  Draw(memory.Get(), rect, StateImage());
  BitBlt(screen, 0, 0, rect.right, rect.bottom, memory.Get(), 0, 0, SRCCOPY);
}

void CHoverButtonEx::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window_, &ps);
  RECT rect;
  GetClientRect(window_, &rect);
  PaintInto(dc, rect);
  EndPaint(window_, &ps);
}

LRESULT CHoverButtonEx::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) RelayToTip(message, wParam, lParam);
  if (!picture_) return DefSubclassProc(window_, message, wParam, lParam);
  if (hover_.Handles(window_, message)) {
    if (message == WM_MOUSELEAVE) OnMouseLeft();
    return 0;
  }
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case BM_SETSTATE:
    case WM_ENABLE: {
      const LRESULT result = DefSubclassProc(window_, message, wParam, lParam);
      InvalidateRect(window_, nullptr, FALSE);
      return result;
    }
    default:
      break;
  }
  return DefSubclassProc(window_, message, wParam, lParam);
}

LRESULT CALLBACK CHoverButtonEx::Procedure(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam, UINT_PTR, DWORD_PTR self) {
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(window, &Procedure, 1);
    auto* button = reinterpret_cast<CHoverButtonEx*>(self);
    if (IsWindow(button->tip_)) DestroyWindow(button->tip_);
    button->tip_ = nullptr;
    button->window_ = nullptr;
    return DefSubclassProc(window, message, wParam, lParam);
  }
  return reinterpret_cast<CHoverButtonEx*>(self)->Handle(message, wParam, lParam);
}
