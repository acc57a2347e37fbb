// Sensitivity levels: the registers of each profile, the two encodings of
// the controller generations, and the reading of what the user types.
//
// A level's X and Y resolutions are kept as an index n (counts per inch =
// n × step) in two register groups with encodings of their own; the swap
// flag decides which group the X controls edit. The encoding belongs to
// the group, not to the axis.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The controller type of the last loaded mouse; 0x708 until a load.
using SensitivityGeneration = int;
inline constexpr SensitivityGeneration kInitialGeneration = 0x708;

enum class SensitivityGroup { First, Second };
enum class SensitivityAxis { X, Y };

inline constexpr int kHighestSensitivity = 4000;
inline constexpr std::uint8_t kFactoryLevelValue = 0x20;

struct SensitivityRegisters {
  int level;  // bits 0..3: active level (0 = level 1, 1 = level 2)
  std::array<int, 2> first;  // first group, levels 1 and 2
  std::array<int, 2> second;  // second group, levels 1 and 2
};

// The registers of profile 0..3.
SensitivityRegisters SensitivityRegistersOf(int profile);

// 100 counts per inch per index from generation 0x710 on, else 125.
int SensitivityStep(SensitivityGeneration generation);

// The highest index, which is also the sliders' upper end (32 or 40).
int HighestSensitivityIndex(SensitivityGeneration generation);

// Register value of index n. Indices below 1 store the lowest level and
// indices above the highest store the highest, so a value never leaves
// its group's form.
std::uint8_t EncodeSensitivity(SensitivityGeneration generation, SensitivityGroup group, int index);

// Index 1..highest of a register value.
int DecodeSensitivity(SensitivityGeneration generation, SensitivityGroup group, std::uint8_t value);

// Factory values of first group level 1, level 2, second group level 1,
// level 2: the profile tables' entries 1..4.
std::array<std::uint8_t, 4> FactorySensitivityValues(SensitivityGeneration generation);

// Bit 6 of the option register.
bool SensitivitySwapFlag(std::uint8_t optionValue);

// The group the axis edits under the swap flag.
SensitivityGroup GroupOfAxis(SensitivityAxis axis, bool swapped);

// The register and group behind an axis at level 0 or 1 of a profile.
struct SensitivityTarget {
  int reg;
  SensitivityGroup group;
};
SensitivityTarget SensitivityTargetOf(int profile, bool swapped, SensitivityAxis axis, int level);

// The active level (0 or 1) of a level register value; empty for any
// other value, which leaves the display as it was.
std::optional<int> ActiveSensitivityLevel(std::uint8_t levelValue);

// Level register value selecting `level`, keeping bits 4..7 of `cached`.
std::uint8_t LevelRegisterValue(std::uint8_t cached, int level);

// The index of a typed value and the text to show instead, if any.
struct SensitivityIndex {
  int index;
  std::optional<std::wstring> rewrite;
};

// index := value / step. Values of 1000 and more that are not multiples
// of the step are shown rounded down at once; smaller ones keep their text.
// A negative value becomes index 0 shown as "0": the shown text must read
// back without a further rewrite, or setting it would start the change
// handling again without end.
SensitivityIndex IndexFromValue(int value, int step);

// The tolerant integer reading of the numeric fields: at most the first
// nine characters count; blanks around the number, a leading sign and
// group separators (',', '\'', blanks) between digits are accepted; empty
// text is 0. Empty result: not a number.
std::optional<int> ReadIntegerText(std::wstring_view text);

// What a sensitivity edit's text means: a range error (not a number, or
// above 4000), or an index with the text to show instead, if any.
struct SensitivityEditResult {
  bool rangeError;
  SensitivityIndex index;
};
SensitivityEditResult ReadSensitivityEdit(std::wstring_view text, SensitivityGeneration generation);
