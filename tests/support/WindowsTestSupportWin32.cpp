#include "tests/support/WindowsTestSupportWin32.h"

#include <cstdlib>
#include <thread>

std::wstring WindowsPathOf(const std::string& path) {
  std::wstring wide(path.begin(), path.end());
  if (wide.empty() || wide[0] != L'/') return wide;
  for (wchar_t& c : wide) c = c == L'/' ? L'\\' : c;
  return L"Z:" + wide;
}

std::wstring PathFromEnvironment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::wstring() : WindowsPathOf(value);
}

CTestProcess::CTestProcess(const std::wstring& exe, const std::wstring& arguments) {
  std::wstring commandLine = L"\"" + exe + L"\"";
  if (!arguments.empty()) commandLine += L" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &info_)) {
    info_ = {};
  }
}

CTestProcess::~CTestProcess() {
  if (!Started()) return;
  if (Running()) {
    TerminateProcess(info_.hProcess, 99);
    WaitForSingleObject(info_.hProcess, 5000);
  }
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

bool CTestProcess::Running() const {
  return Started() && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

DWORD CTestProcess::WaitForExit(std::chrono::milliseconds timeout) {
  if (!Started()) return STILL_ACTIVE;
  WaitForSingleObject(info_.hProcess, static_cast<DWORD>(timeout.count()));
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

namespace {

struct WindowQuery {
  DWORD processId;
  const wchar_t* className;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM parameter) {
  auto* query = reinterpret_cast<WindowQuery*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != query->processId || !IsWindowVisible(window)) return TRUE;
  if (query->className != nullptr && ClassNameOf(window) != query->className) return TRUE;
  query->found.push_back(window);
  return TRUE;
}

}  // namespace

std::vector<HWND> WaitForWindows(DWORD processId, const wchar_t* className,
                                 std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    WindowQuery query{processId, className, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&query));
    if (!query.found.empty() || std::chrono::steady_clock::now() >= deadline) return query.found;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

std::wstring WindowTextOf(HWND window) {
  wchar_t text[1024] = L"";
  GetWindowTextW(window, text, 1024);
  return text;
}

std::wstring ClassNameOf(HWND window) {
  wchar_t name[256] = L"";
  GetClassNameW(window, name, 256);
  return name;
}

bool SaveWindowScreenshot(HWND window, const std::wstring& fileName) {
  RECT rect;
  if (!GetWindowRect(window, &rect)) return false;
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return false;

  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  GdiFlush();

  const DWORD stride = ((width * 3 + 3) / 4) * 4;
  const DWORD imageSize = stride * height;
  BITMAPFILEHEADER header{};
  header.bfType = 0x4D42;
  header.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  header.bfSize = header.bfOffBits + imageSize;

  CreateDirectoryW(L"artifacts", nullptr);
  bool written = false;
  HANDLE file = CreateFileW((L"artifacts\\" + fileName).c_str(), GENERIC_WRITE, 0, nullptr,
                            CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    DWORD done = 0;
    written = WriteFile(file, &header, sizeof(header), &done, nullptr) &&
              WriteFile(file, &info.bmiHeader, sizeof(info.bmiHeader), &done, nullptr) &&
              WriteFile(file, bits, imageSize, &done, nullptr);
    CloseHandle(file);
  }

  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return written;
}

HWND WaitForWindowWithControl(DWORD processId, int controlId, std::chrono::milliseconds timeout) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        for (HWND window : WaitForWindows(processId, nullptr, std::chrono::milliseconds(0))) {
          HWND control = GetDlgItem(window, controlId);
          if (control != nullptr && IsWindowVisible(control)) {
            found = window;
            return true;
          }
        }
        return false;
      },
      timeout);
  return found;
}

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (condition()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}
