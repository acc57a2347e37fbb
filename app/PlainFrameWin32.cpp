#include "app/PlainFrameWin32.h"

#include "app/Messages.h"
#include "app/ShowMessageWin32.h"
#include "editions/Edition.h"

namespace {
constexpr wchar_t kFrameClass[] = L"Mirel-Frame";
}

CPlainFrame::CPlainFrame(HINSTANCE instance) : instance_(instance) {}

LRESULT CALLBACK CPlainFrame::WindowProc(HWND window, UINT message, WPARAM wParam,
                                         LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void CPlainFrame::RunModal() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance_;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = CreateSolidBrush(RGB(38, 44, 46));
  windowClass.lpszClassName = kFrameClass;
  RegisterClassExW(&windowClass);

  HWND window = CreateWindowExW(0, kFrameClass, Text(IDS_SELECT_MOUSE_TITLE),
                                WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                                CW_USEDEFAULT, CW_USEDEFAULT, 640, 480, nullptr, nullptr,
                                instance_, nullptr);
  if (window == nullptr) return;
  ShowWindow(window, SW_SHOW);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  DeleteObject(windowClass.hbrBackground);
}

void CPlainFrame::RefuseStartWithFile() {
  ShowStandardBox(nullptr, StartWithFileText().c_str(), MB_OK | MB_ICONINFORMATION | MB_TOPMOST);
}
