// The open-file dialog that picks a profile file to import.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

// The chosen file's full path, or empty when the user cancels. Starts in
// `folder`, leaves the process's current directory alone.
std::optional<std::wstring> ChooseProfileFileToOpen(HWND owner, const std::wstring& folder);
