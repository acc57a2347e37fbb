#include "app/MirelAppWin32.h"

#include <commctrl.h>
#include <gdiplus.h>
#include <ole2.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/Messages.h"
#include "app/ShowMessageWin32.h"
#include "app/SkinMainFormWin32.h"
#include "editions/Edition.h"
#include "skin/MainFrameDlgEx.h"
#include "skin/SkinDlgEx.h"

namespace {

constexpr int kTwoLineInformation = 353;

std::vector<std::wstring> CommandLineArguments() {
  int count = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::wstring> args;
  for (int i = 1; argv != nullptr && i < count; ++i) args.emplace_back(argv[i]);
  LocalFree(argv);
  return args;
}

// The refusal's first line goes on the box's first line, the rest under it.
void RefuseStartWithFile() {
  const std::wstring text = StartWithFileText();
  const std::size_t split = text.find(L"\n\n");
  CSkinDlgEx box;
  box.SetKind(kTwoLineInformation);
  box.SetFirstLine(text.substr(0, split));
  box.SetMessageText(split == std::wstring::npos ? L"" : text.substr(split + 2));
  box.DoModal(nullptr);
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
    CSkinMainForm form;
    CMainFrameDlgEx frame;
    frame.SetContent(&form);
    form.SetFrame(&frame);
    if (file) {
      RefuseStartWithFile();
    } else if (form.AlreadyRunning()) {
      ShowMessage(nullptr, MessageNumberOf(IDS_ALREADY_OPEN));
    } else {
      frame.DoModal(nullptr);
    }
  }
  OleUninitialize();
  return false;
}

int CMirelApp::ExitInstance() {
  if (gdiplusToken_ != 0) Gdiplus::GdiplusShutdown(gdiplusToken_);
  return exitCode_;
}
