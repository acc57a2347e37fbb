#include "app/KeyFieldWindowsWin32.h"

#include "editions/CommonTexts.h"

namespace {

// The one object of the process that the class's windows reach.
CKeyFieldWindows* registered = nullptr;

constexpr RECT kTextRect{0, 0, 360, 24};
// DLGC_WANTARROWS | DLGC_WANTALLKEYS | DLGC_WANTCHARS: every key is the field's.
constexpr LRESULT kWantsEveryKey = 0x85;

}  // namespace

void CKeyFieldWindows::Register(CKeyFieldWindows* fields) {
  registered = fields;
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = &CKeyFieldWindows::Procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kInputDialogClass;
  RegisterClassExW(&windowClass);
}

void CKeyFieldWindows::Attach(HWND dialog, int firstId, CKeyInWnd* logic, HFONT font) {
  for (int field = 0; field < kFieldCount; ++field) {
    windows_[static_cast<std::size_t>(field)] = GetDlgItem(dialog, firstId + field);
  }
  logic_ = logic;
  font_ = font;
}

int CKeyFieldWindows::FieldOf(HWND window) const {
  for (int field = 0; field < kFieldCount; ++field) {
    if (windows_[static_cast<std::size_t>(field)] == window) return field;
  }
  return -1;
}

void CKeyFieldWindows::DrawOn(HDC dc, HWND window, const KeyFieldDrawing& drawing) const {
  HGDIOBJ oldFont = font_ != nullptr ? SelectObject(dc, font_) : nullptr;
  SetTextColor(dc, drawing.textColour);
  SetBkMode(dc, drawing.opaque ? OPAQUE : TRANSPARENT);
  SetBkColor(dc, drawing.background);
  RECT client;
  GetClientRect(window, &client);
  RECT rect = kTextRect;
  rect.bottom = client.bottom;
  DrawTextW(dc, drawing.text.c_str(), -1, &rect,
            DT_VCENTER | DT_WORDBREAK | DT_END_ELLIPSIS | DT_NOPREFIX);
  if (oldFont != nullptr) SelectObject(dc, oldFont);
}

void CKeyFieldWindows::Draw(int field, const KeyFieldDrawing& drawing) {
  if (field < 0 || field >= kFieldCount) return;
  HWND window = windows_[static_cast<std::size_t>(field)];
  if (window == nullptr) return;
  HDC dc = GetDC(window);
  DrawOn(dc, window, drawing);
  ReleaseDC(window, dc);
}

void CKeyFieldWindows::Focus(int field) {
  if (field >= 0 && field < kFieldCount) SetFocus(windows_[static_cast<std::size_t>(field)]);
}

bool CKeyFieldWindows::IsDown(int vk) const { return GetKeyState(vk) < 0; }

LRESULT CALLBACK CKeyFieldWindows::Procedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
  if (registered == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  return registered->Handle(window, message, wParam, lParam);
}

LRESULT CKeyFieldWindows::Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const int field = FieldOf(window);
  if (field < 0 || logic_ == nullptr || logic_->SelectField(field) == 0) {
    return DefWindowProcW(window, message, wParam, lParam);
  }
  switch (message) {
    case WM_GETDLGCODE:
      return kWantsEveryKey;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      logic_->KeyDown(static_cast<int>(wParam));
      return 0;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      logic_->KeyUp(static_cast<int>(wParam));
      return 0;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
      SetFocus(window);
      InvalidateRect(window, nullptr, TRUE);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      // The field is filled first: its text is drawn transparent, and a
      // shorter text must not leave pieces of a longer one behind.
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(window, &ps);
      RECT client;
      GetClientRect(window, &client);
      HBRUSH fill = CreateSolidBrush(CKeyInWnd::kBackground);
      FillRect(dc, &client, fill);
      DeleteObject(fill);
      DrawOn(dc, window, logic_->PaintDrawing());
      EndPaint(window, &ps);
      return 0;
    }
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}
