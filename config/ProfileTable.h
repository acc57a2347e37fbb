// The registers that make up each profile, with one value per register.
//
// The program keeps two tables of this layout: the factory table (what the
// factory restore writes) and the previous-values table (the values last
// read from the mouse, what the reset buttons return to). The registers
// never change; only the values do.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "config/Sensitivity.h"

struct ProfileEntry {
  std::uint16_t reg;
  std::uint8_t value;
  friend bool operator==(const ProfileEntry&, const ProfileEntry&) = default;
};

inline constexpr int kProfileTableCapacity = 53;
inline constexpr int kStandardProfileEntries = 5;

// Entry ranges of a custom profile's table.
inline constexpr int kSensitivityEntries = 5;  // level, first group 0..1, second group 0..1
inline constexpr int kFirstButtonEntry = 5;  // function codes, then parameters
inline constexpr int kFirstMacroHeaderEntry = 35;  // length, mode, delay units per macro area

class CProfileTable {
 public:
  // The factory values, with the sensitivity values of `generation`.
  static CProfileTable Factory(SensitivityGeneration generation = kInitialGeneration);

  // 5 for the standard profile, 53 for custom ones, 0 outside 0..3.
  static int EntryCount(int profile);

  // The used entries of a profile; empty outside 0..3.
  std::span<const ProfileEntry> Entries(int profile) const;

  // False, changing nothing, for an entry the profile does not use.
  bool SetValue(int profile, int index, std::uint8_t value);

  // Entries 1..4 of every profile := the factory sensitivity values of
  // `generation`.
  void SetSensitivityFactoryValues(SensitivityGeneration generation);

  bool operator==(const CProfileTable&) const = default;

 private:
  std::array<std::array<ProfileEntry, kProfileTableCapacity>, 4> entries_{};
};
