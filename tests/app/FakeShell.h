// A shell with a fixed documents folder and executable path.
#pragma once

#include "app/Shell.h"

class FakeShell : public CShell {
 public:
  std::optional<std::wstring> DocumentsFolder() override { return documents; }
  std::wstring ModulePath() override { return module; }

  std::optional<std::wstring> documents = L"C:\\Users\\ann\\Documents";
  std::wstring module = L"C:\\Program Files\\Orvo\\Mirel.exe";
};
