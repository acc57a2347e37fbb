// Saving the editor's macro or script to a file and loading one back in its
// place. Failures are shown through the message port and leave the list (on
// loading) or the existing file (on saving) as they were.
#pragma once

#include <optional>
#include <string>

#include "macro/MacroFileFormat.h"
#include "macro/MessagePort.h"
#include "macro/SkinLVCmdList.h"

// The editor's list selections a loaded file brings.
struct MacroFileSettings {
  int tickPresetIndex;
  int modeIndex;
};

// Writes the list with the selected tick preset and mode. A new file is
// written beside the target and only then takes its place, so a failed write
// never leaves a half-written file where a good one was.
bool SaveMacroFile(const std::wstring& path, MacroFileKind kind, const CSkinLVCmdList& list,
                   int tickPresetIndex, int modeIndex, MessagePort& messages);

// Replaces the list by the file's commands and sets its tick. A file that
// states more command bytes than the list can hold is cut to its capacity.
std::optional<MacroFileSettings> LoadMacroFile(const std::wstring& path, MacroFileKind kind,
                                               CSkinLVCmdList& list, MessagePort& messages);
