// Helpers for Windows tests that drive the program as a user would: start
// it, find its windows, read and answer its boxes, and keep screenshots.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

// A Unix path (as CMake passes it) in the form a Windows program under
// Wine opens: "/a/b" becomes "Z:\a\b"; other paths are returned unchanged.
std::wstring WindowsPathOf(const std::string& path);

// The value of an environment variable set by the test's CTest entry, as a
// Windows path; empty when unset.
std::wstring PathFromEnvironment(const char* name);

// A started process, terminated (if still running) and closed on destruction.
class CTestProcess {
 public:
  CTestProcess(const std::wstring& exe, const std::wstring& arguments = L"");
  ~CTestProcess();
  CTestProcess(const CTestProcess&) = delete;
  CTestProcess& operator=(const CTestProcess&) = delete;

  bool Started() const { return info_.hProcess != nullptr; }
  DWORD Id() const { return info_.dwProcessId; }
  bool Running() const;
  // Waits for the process to end; returns its exit code, or STILL_ACTIVE.
  DWORD WaitForExit(std::chrono::milliseconds timeout);

 private:
  PROCESS_INFORMATION info_{};
};

// Visible top-level windows of a process whose class is `className` (any
// class when null), waiting up to `timeout` for at least one.
std::vector<HWND> WaitForWindows(DWORD processId, const wchar_t* className,
                                 std::chrono::milliseconds timeout);

std::wstring WindowTextOf(HWND window);
std::wstring ClassNameOf(HWND window);

// Saves what the window shows on screen as a 24-bit BMP under the working
// directory's "artifacts" folder; returns false when it could not.
bool SaveWindowScreenshot(HWND window, const std::wstring& fileName);

// The first visible top-level window of the process that has a visible
// child control `controlId` (a dialog of the program by one of its
// controls), waiting up to `timeout`; null when none appears.
HWND WaitForWindowWithControl(DWORD processId, int controlId, std::chrono::milliseconds timeout);

// Waits up to `timeout` until `condition` holds; returns whether it did.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout);
