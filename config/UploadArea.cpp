#include "config/UploadArea.h"

#include <algorithm>

#include "config/RegisterMap.h"
#include "config/ScriptMap.h"

std::optional<int> UploadArea::UsableLength(int stored) const {
  if (IsMacro()) return std::min(stored, capacity);
  if (stored > capacity) return std::nullopt;
  return stored;
}

std::vector<int> UploadArea::WithData(std::vector<int> header, int length) const {
  for (int i = 0; i < length; ++i) header.push_back(dataStart + i);
  return header;
}

std::vector<int> UploadArea::ReadList(int length) const {
  if (IsMacro()) return WithData({mode, delayUnits}, length);
  return WriteList(length);
}

std::vector<int> UploadArea::WriteList(int length) const {
  if (IsMacro()) return WithData({lengthLow, mode, delayUnits}, length);
  return WithData({mode, lengthLow, lengthHigh, delayUnits}, length);
}

std::optional<UploadArea> MacroArea(int macro) {
  if (macro < 0 || macro >= kMacroCount) return std::nullopt;
  const int base = MacroBlockBase(1) + kMacroAreaSize * macro;
  UploadArea area;
  area.macro = macro;
  area.lengthLow = base;
  area.mode = base + 1;
  area.delayUnits = base + 2;
  area.dataStart = base + 3;
  area.capacity = kMacroCapacity;
  return area;
}

std::optional<UploadArea> ScriptArea(int script) {
  if (script < 0 || script >= kScriptCount) return std::nullopt;
  const ScriptRegisters& s = kScripts[static_cast<std::size_t>(script)];
  UploadArea area;
  area.script = script;
  area.lengthLow = s.lengthLow;
  area.lengthHigh = s.lengthHigh;
  area.mode = s.mode;
  area.delayUnits = s.delayUnits;
  area.dataStart = s.dataStart;
  area.capacity = s.capacity;
  return area;
}

std::vector<int> MacroDataRegisters(int profile) {
  std::vector<int> registers;
  if (!IsCustomProfile(profile)) return registers;
  for (int k = 0; k < kMacroAreasPerProfile; ++k) {
    const UploadArea area = *MacroArea((profile - 1) * kMacroAreasPerProfile + k);
    for (int i = 0; i < area.capacity; ++i) registers.push_back(area.dataStart + i);
  }
  return registers;
}
