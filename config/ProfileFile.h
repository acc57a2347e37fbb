// The profile file (".POF"): one profile's register image — button block,
// macro areas, the scripts its buttons run, the sensitivity registers and
// the profile's flag bit — so it can be carried to any profile of any mouse.
//
//   offset  size  field
//   0       2     magic "mT"
//   2       1     format version: 4 written; 2 (no sensitivity) or 4 read
//   3       2     payload length, bytes after offset 7, low byte first
//   5       1     profile flag (the profile's bit of register 0xA6)
//   6       1     script mask: bit s = a block for script s follows
//   7       50    button block (the standard profile: a fixed block)
//   57      768   macro areas (the standard profile: zeros)
//   825     ...   script blocks, script 0 first: mode, length low, length
//                 high, delay units, then the data (none when the length is
//                 beyond the script's capacity)
//   then    9     sensitivity: level register, first group, second group
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

inline constexpr int kProfileFileHeaderSize = 7;
// The transfer buffer the file is read into holds at most this much.
inline constexpr int kProfileFileBufferSize = 8192;
inline constexpr int kLargestProfileFile = 2906;

struct RegisterValue {
  int reg;
  std::uint8_t value;
  friend bool operator==(const RegisterValue&, const RegisterValue&) = default;
};

// The cached value of a register.
using RegisterReader = std::function<std::uint8_t(int reg)>;

// The file of profile 0..3 from the cached registers; empty outside 0..3.
std::optional<std::vector<std::uint8_t>> WriteProfileFileBytes(int profile,
                                                               const RegisterReader& cache);

// What a file sets in a profile: the register stores to make with the
// changed rule, in file order, and for custom profiles whether the
// profile's bit of register 0xA6 is to be set.
struct ProfileFileContents {
  std::optional<bool> profileFlag;
  std::vector<RegisterValue> stores;
};

// The contents of a file for profile 0..3. Empty when it is refused: too short a header, a
// wrong magic or version, a payload longer than the buffer, or a payload
// shorter than the blocks it announces — so a refused file changes nothing.
// Only the payload length's bytes after the header count.
std::optional<ProfileFileContents> ReadProfileFileBytes(int profile,
                                                        std::span<const std::uint8_t> file);

// Register 0xA6 with the profile's flag bit (bit 4 + profile) set or clear.
std::uint8_t WithProfileFlag(std::uint8_t profileRegister, int profile, bool set);

// The script mask of a profile's function registers B..B+7: each value
// 7..12 selects script value − 7. The standard profile uses none.
std::uint8_t ScriptMaskOf(int profile, const RegisterReader& cache);

// The sensitivity registers a profile file carries: the level register,
// the first group's four, the second group's four.
std::vector<int> SensitivityExtensionRegisters(int profile);
