// The shell port on Windows.
#pragma once

#include "app/Shell.h"

class CShellWin32 : public CShell {
 public:
  std::optional<std::wstring> DocumentsFolder() override;
  std::wstring ModulePath() override;
};
