#include "app/MirelAppWin32.h"

#include <commctrl.h>
#include <gdiplus.h>
#include <ole2.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/PlainFrameWin32.h"
#include "app/ShowMessageWin32.h"
#include "editions/Edition.h"

namespace {

std::vector<std::wstring> CommandLineArguments() {
  int count = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::wstring> args;
  for (int i = 1; argv != nullptr && i < count; ++i) args.emplace_back(argv[i]);
  LocalFree(argv);
  return args;
}

}  // namespace

bool CMirelApp::InitInstance() {
  INITCOMMONCONTROLSEX controls{sizeof(controls), 0xFF};
  InitCommonControlsEx(&controls);

  if (FAILED(OleInitialize(nullptr))) {
    MessageBoxW(nullptr, L"OLE initialization failed.", Text(IDS_APP_TITLE), kStopBoxStyle);
    exitCode_ = 1;
    return false;
  }
  Gdiplus::GdiplusStartupInput gdiplusInput;
  Gdiplus::GdiplusStartup(&gdiplusToken_, &gdiplusInput, nullptr);

  std::optional<std::wstring> file = FileArgument(CommandLineArguments());
  {
    CPlainFrame frame(instance_);
    if (file) {
      frame.RefuseStartWithFile();
    } else if (frame.AlreadyRunning()) {
      ShowMessage(nullptr, MessageNumberOf(IDS_ALREADY_OPEN));
    } else {
      frame.RunModal();
    }
  }
  OleUninitialize();
  return false;
}

int CMirelApp::ExitInstance() {
  if (gdiplusToken_ != 0) Gdiplus::GdiplusShutdown(gdiplusToken_);
  return exitCode_;
}
