// Where one macro or one script lives in the register space: the registers
// its editor reads and stores and that a transfer of it goes through.
//
// A macro area is 128 registers: length, mode byte, delay units, then up
// to 125 command bytes. A script has its header registers elsewhere and a
// run of 256 or 512 data registers (ScriptMap.h).
#pragma once

#include <optional>
#include <vector>

inline constexpr int kMacroCount = 18;
inline constexpr int kMacroCapacity = 125;

struct UploadArea {
  int macro = -1;   // 0..17 for a macro's area
  int script = -1;  // 0..5 for a script's
  int lengthLow = 0;
  int lengthHigh = -1;  // none: a macro's length is one byte
  int mode = 0;
  int delayUnits = 0;
  int dataStart = 0;
  int capacity = 0;

  bool IsMacro() const { return macro >= 0; }

  // The length a transfer may use for `stored` bytes. A macro's is cut to
  // its capacity, so that no transfer leaves its area; a script longer than
  // its capacity is refused (empty).
  std::optional<int> UsableLength(int stored) const;

  // The registers of a read of `length` data bytes, in order: the header
  // registers, then the data. A macro's read leaves out its length
  // register, which is read before the list is built.
  std::vector<int> ReadList(int length) const;
  // The registers of a write: the data first, then the header registers
  // that make them count, so a write failing half-way never leaves a new
  // length over old bytes in the mouse.
  std::vector<int> WriteList(int length) const;

 private:
  std::vector<int> Header() const;
  std::vector<int> Data(int length) const;
};

// The area of macro m (0..17) and of script s (0..5); empty outside.
std::optional<UploadArea> MacroArea(int macro);
std::optional<UploadArea> ScriptArea(int script);

// The command-byte registers of custom profile 1..3's six macro areas, each
// area's whole capacity, in address order; empty for other profiles.
std::vector<int> MacroDataRegisters(int profile);

// `registers` in the order a write goes through them: the command bytes of
// every macro area and the data of every script first, the rest after, each
// part in its own order. The lengths, modes and ticks that make the bytes
// count thus follow them, and a write failing half-way never leaves a new
// length over old bytes in the mouse.
std::vector<int> DataRegistersFirst(std::vector<int> registers);
