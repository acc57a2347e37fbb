#include "config/ProfileTable.h"

#include "config/RegisterMap.h"

namespace {

// Factory parameter 0 of the six buttons: right, middle, forward, back,
// then the bits the sensitivity buttons carry.
constexpr std::uint8_t kFactoryFirstParameter[kButtonGroupCount] = {0x02, 0x04, 0x10,
                                                                     0x08, 0x20, 0x40};
constexpr std::uint8_t kFactoryFunctionCode[kButtonGroupCount] = {0x01, 0x01, 0x01,
                                                                   0x01, 0x11, 0x12};
// An empty macro: length 0, mode byte 0x50, one delay unit.
constexpr std::uint8_t kFactoryMacroHeader[3] = {0x00, 0x50, 0x01};

ProfileEntry MakeEntry(int reg, std::uint8_t value) {
  return {static_cast<std::uint16_t>(reg), value};
}

}  // namespace

CProfileTable CProfileTable::Factory(SensitivityGeneration generation) {
  CProfileTable table;
  for (int p = 0; p < kProfileCount; ++p) {
    auto& e = table.entries_[p];
    const SensitivityRegisters s = SensitivityRegistersOf(p);
    e[0] = MakeEntry(s.level, kFactoryLevelValue);
    e[1] = MakeEntry(s.first[0], 0);
    e[2] = MakeEntry(s.first[1], 0);
    e[3] = MakeEntry(s.second[0], 0);
    e[4] = MakeEntry(s.second[1], 0);
    if (!IsCustomProfile(p)) continue;
    for (int g = 0; g < kButtonGroupCount; ++g) {
      e[kFirstButtonEntry + g] = MakeEntry(FunctionCodeRegister(p, g), kFactoryFunctionCode[g]);
      for (int i = 0; i < kButtonParameterCount; ++i) {
        const std::uint8_t value = i == 0 ? kFactoryFirstParameter[g] : 0;
        e[kFirstButtonEntry + kButtonGroupCount + 4 * g + i] =
            MakeEntry(ParameterRegister(p, g, i), value);
      }
    }
    for (int k = 0; k < kMacroAreasPerProfile; ++k) {
      const int area = MacroBlockBase(p) + kMacroAreaSize * k;
      for (int i = 0; i < 3; ++i) {
        e[kFirstMacroHeaderEntry + 3 * k + i] = MakeEntry(area + i, kFactoryMacroHeader[i]);
      }
    }
  }
  table.SetSensitivityFactoryValues(generation);
  return table;
}

int CProfileTable::EntryCount(int profile) {
  if (profile == 0) return kStandardProfileEntries;
  return IsCustomProfile(profile) ? kProfileTableCapacity : 0;
}

std::span<const ProfileEntry> CProfileTable::Entries(int profile) const {
  const int count = EntryCount(profile);
  if (count == 0) return {};
  return std::span(entries_[profile]).first(count);
}

bool CProfileTable::SetValue(int profile, int index, std::uint8_t value) {
  if (index < 0 || index >= EntryCount(profile)) return false;
  entries_[profile][index].value = value;
  return true;
}

void CProfileTable::SetSensitivityFactoryValues(SensitivityGeneration generation) {
  const std::array<std::uint8_t, 4> values = FactorySensitivityValues(generation);
  for (auto& e : entries_) {
    for (int i = 0; i < 4; ++i) e[1 + i].value = values[i];
  }
}
