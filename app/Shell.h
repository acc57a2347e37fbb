// The shell port of the settings: where the user's documents are and
// which executable is running.
#pragma once

#include <optional>
#include <string>

class CShell {
 public:
  virtual ~CShell() = default;

  // The user's documents folder, not created when missing; empty when the
  // shell cannot tell.
  virtual std::optional<std::wstring> DocumentsFolder() = 0;

  // The running executable's full path.
  virtual std::wstring ModulePath() = 0;
};
