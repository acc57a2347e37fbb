#include "config/UploadArea.h"

#include <algorithm>

#include "config/RegisterMap.h"
#include "config/ScriptMap.h"

namespace {

bool HoldsData(const UploadArea& area, int reg) {
  return reg >= area.dataStart && reg < area.dataStart + area.capacity;
}

bool IsAreaData(int reg) {
  for (int m = 0; m < kMacroCount; ++m)
    if (HoldsData(*MacroArea(m), reg)) return true;
  for (int s = 0; s < kScriptCount; ++s)
    if (HoldsData(*ScriptArea(s), reg)) return true;
  return false;
}

}  // namespace

std::optional<int> UploadArea::UsableLength(int stored) const {
  if (IsMacro()) return std::min(stored, capacity);
  if (stored > capacity) return std::nullopt;
  return stored;
}

std::vector<int> UploadArea::Header() const {
  if (IsMacro()) return {lengthLow, mode, delayUnits};
  return {mode, lengthLow, lengthHigh, delayUnits};
}

std::vector<int> UploadArea::Data(int length) const {
  std::vector<int> data;
  for (int i = 0; i < length; ++i) data.push_back(dataStart + i);
  return data;
}

std::vector<int> UploadArea::ReadList(int length) const {
  std::vector<int> list = IsMacro() ? std::vector<int>{mode, delayUnits} : Header();
  const std::vector<int> data = Data(length);
  list.insert(list.end(), data.begin(), data.end());
  return list;
}

std::vector<int> UploadArea::WriteList(int length) const {
  std::vector<int> list = Data(length);
  const std::vector<int> header = Header();
  list.insert(list.end(), header.begin(), header.end());
  return list;
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

std::vector<int> DataRegistersFirst(std::vector<int> registers) {
  std::stable_partition(registers.begin(), registers.end(), IsAreaData);
  return registers;
}
