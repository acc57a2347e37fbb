// The byte layout of macro (".mac") and script (".sh") files: "mT", a type
// byte, the command length, tick units and mode byte (in opposite order in
// the two kinds), then the encoded commands. Little-endian, no checksum.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

enum class MacroFileKind { Script, Macro };

struct MacroFileHeader {
  int length;  // command bytes stated by the file
  std::uint8_t tickUnits;
  std::uint8_t modeByte;
};

int MacroFileHeaderSize(MacroFileKind kind);
// The longest command string the header can state.
int MacroFileMaxLength(MacroFileKind kind);

// Header plus commands; nothing when the header cannot state the length.
std::optional<std::vector<std::uint8_t>> BuildMacroFile(MacroFileKind kind,
                                                        std::uint8_t tickUnits,
                                                        std::uint8_t modeByte,
                                                        std::span<const std::uint8_t> commands);

// Nothing when the header is short, its magic wrong or its type not `kind`.
std::optional<MacroFileHeader> ParseMacroFileHeader(MacroFileKind kind,
                                                    std::span<const std::uint8_t> header);
