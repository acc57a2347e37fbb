#include "skin/SkinScrollWnd.h"

#include "skin/Pictures.h"
#include "skin/Subclass.h"

namespace {

constexpr wchar_t kFrameClass[] = L"ScrollBarFrame";
constexpr wchar_t kLimitationClass[] = L"ScrollBarLimitation";
constexpr UINT_PTR kSyncTimer = 100;
constexpr UINT kSyncMs = 500;

void RegisterClasses(WNDPROC procedure) {
  WNDCLASSEXW kind{sizeof(kind)};
  kind.lpfnWndProc = procedure;
  kind.hInstance = GetModuleHandleW(nullptr);
  kind.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  for (const wchar_t* name : {kFrameClass, kLimitationClass}) {
    kind.lpszClassName = name;
    RegisterClassExW(&kind);  // fails harmlessly once registered
  }
}

// Messages the list box sends its parent, passed on to the dialog.
bool ForTheDialog(UINT message) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_COMPAREITEM:
    case WM_DELETEITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_CTLCOLORLISTBOX:
      return true;
    default:
      return false;
  }
}

bool ListBoxMessage(UINT message) { return message >= LB_ADDSTRING && message <= LB_MSGMAX; }

}  // namespace

CSkinScrollWnd::~CSkinScrollWnd() {
  for (HWND window : {frame_, limitation_}) {
    if (window != nullptr && IsWindow(window)) SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  }
  if (frame_ != nullptr && IsWindow(frame_)) KillTimer(frame_, kSyncTimer);
  Unsubclass<CSkinScrollWnd, 13>(list_);
}

bool CSkinScrollWnd::Attach(int pictureId, HWND dialog, int id) {
  list_ = GetDlgItem(dialog, id);
  if (list_ == nullptr) return false;
  strips_ = LoadPicture(pictureId);
  RECT place;
  GetWindowRect(list_, &place);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
  if (!MakeWindows(dialog, id, place)) return false;
  Sync();
  SetTimer(frame_, kSyncTimer, kSyncMs, nullptr);
  return true;
}

// The frame takes the list's place, id and visibility; the list moves
// inside the limitation window.
bool CSkinScrollWnd::MakeWindows(HWND dialog, int id, const RECT& place) {
  RegisterClasses(&Procedure);
  HINSTANCE instance = GetModuleHandleW(nullptr);
  const DWORD shown = GetWindowLongPtrW(list_, GWL_STYLE) & WS_VISIBLE;
  SetWindowLongPtrW(list_, GWLP_ID, id);
  frame_ = CreateWindowExW(0, kFrameClass, L"", WS_CHILD | WS_CLIPCHILDREN | shown, place.left,
                           place.top, place.right - place.left, place.bottom - place.top, dialog,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, this);
  if (frame_ == nullptr) return false;
  SetWindowPos(frame_, list_, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  limitation_ = CreateWindowExW(0, kLimitationClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                                0, 0, 0, 0, frame_,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(kLimitationId)),
                                instance, this);
  if (limitation_ == nullptr || strips_.Get() == nullptr) return false;
  vertical_.Create(frame_, kVerticalId, true, strips_.Get());
  horizontal_.Create(frame_, kHorizontalId, false, strips_.Get());
  SetParent(list_, limitation_);
  ShowWindow(list_, SW_SHOWNA);
  return Subclass<CSkinScrollWnd, 13>(list_, this);
}

// Bars are as thick as a strip of the picture is wide, and shown only when
// there is something to scroll.
void CSkinScrollWnd::Layout() {
  RECT frame;
  GetClientRect(frame_, &frame);
  const int thickness = PictureSize(strips_.Get()).cx;
  const bool showVertical = ScrollBarThumb(1 << 20, 0, vertical_.Range()).length > 0;
  const bool showHorizontal = ScrollBarThumb(1 << 20, 0, horizontal_.Range()).length > 0;
  const int width = frame.right - (showVertical ? thickness : 0);
  const int height = frame.bottom - (showHorizontal ? thickness : 0);
  const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
  SetWindowPos(limitation_, nullptr, 0, 0, width, height, flags);
  // The list box's own bars, while it shows them, lie outside the limitation.
  const LONG_PTR style = GetWindowLongPtrW(list_, GWL_STYLE);
  SetWindowPos(list_, nullptr, 0, 0, width + ((style & WS_VSCROLL) ? GetSystemMetrics(SM_CXVSCROLL) : 0),
               height + ((style & WS_HSCROLL) ? GetSystemMetrics(SM_CYHSCROLL) : 0), flags);
  SetWindowPos(vertical_.Window(), nullptr, width, 0, thickness, height,
               flags | (showVertical ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
  SetWindowPos(horizontal_.Window(), nullptr, 0, height, width, thickness,
               flags | (showHorizontal ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

// A list box hides a bar it does not need but keeps its last range: a
// hidden bar counts as nothing to scroll.
bool CSkinScrollWnd::FollowList(CSkinScrollBar& bar, int which) {
  const LONG_PTR shown = GetWindowLongPtrW(list_, GWL_STYLE) & (which == SB_VERT ? WS_VSCROLL : WS_HSCROLL);
  SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS};
  if (shown == 0 || !GetScrollInfo(list_, which, &info)) info = SCROLLINFO{sizeof(info), 0, 0, 0, 0, 0, 0};
  return bar.Follow(info);
}

void CSkinScrollWnd::Sync() {
  if (frame_ == nullptr) return;
  const bool changedV = FollowList(vertical_, SB_VERT);
  const bool changedH = FollowList(horizontal_, SB_HORZ);
  if (changedV || changedH) Layout();
  UpdateWindow(vertical_.Window());
  UpdateWindow(horizontal_.Window());
}

// The wheel and the keys scroll the list box without the bars knowing.
LRESULT CSkinScrollWnd::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = DefSubclassProc(list_, message, wParam, lParam);
  if (message == WM_MOUSEWHEEL || message == WM_KEYDOWN) Sync();
  return result;
}

// The bars speak to the list box as if they were its own: no bar handle.
LRESULT CSkinScrollWnd::FrameMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_VSCROLL:
    case WM_HSCROLL:
      SendMessageW(list_, message, wParam, 0);
      Sync();
      return 0;
    case WM_TIMER:
      if (wParam == kSyncTimer) Sync();
      return 0;
    case WM_SIZE:
      Layout();
      return 0;
    case WM_ENABLE:
      EnableWindow(list_, static_cast<BOOL>(wParam));
      return 0;
    default:
      break;
  }
  if (ListBoxMessage(message)) {
    const LRESULT result = SendMessageW(list_, message, wParam, lParam);
    Sync();
    return result;
  }
  return DefWindowProcW(frame_, message, wParam, lParam);
}

LRESULT CALLBACK CSkinScrollWnd::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<CSkinScrollWnd*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  if (ForTheDialog(message)) {
    HWND dialog = GetParent(window == self->frame_ ? window : GetParent(window));
    return SendMessageW(dialog, message, wParam, lParam);
  }
  if (window == self->frame_) return self->FrameMessage(message, wParam, lParam);
  return DefWindowProcW(window, message, wParam, lParam);
}
