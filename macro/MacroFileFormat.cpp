#include "macro/MacroFileFormat.h"

namespace {

constexpr std::uint8_t kMagic0 = 0x6D;
constexpr std::uint8_t kMagic1 = 0x54;
constexpr std::uint8_t kScriptType = 0;
constexpr std::uint8_t kMacroType = 1;
constexpr int kScriptHeaderSize = 7;
constexpr int kMacroHeaderSize = 6;
// Only three bits of a script's high length byte count.
constexpr int kScriptLengthHighMask = 0x07;

}  // namespace

int MacroFileHeaderSize(MacroFileKind kind) {
  return kind == MacroFileKind::Script ? kScriptHeaderSize : kMacroHeaderSize;
}

int MacroFileMaxLength(MacroFileKind kind) {
  return kind == MacroFileKind::Script ? (kScriptLengthHighMask << 8) | 0xFF : 0xFF;
}

std::optional<std::vector<std::uint8_t>> BuildMacroFile(MacroFileKind kind,
                                                        std::uint8_t tickUnits,
                                                        std::uint8_t modeByte,
                                                        std::span<const std::uint8_t> commands) {
  const int length = int(commands.size());
  if (length > MacroFileMaxLength(kind)) return std::nullopt;
  std::vector<std::uint8_t> file;
  if (kind == MacroFileKind::Script)
    file = {kMagic0, kMagic1, kScriptType, std::uint8_t(length & 0xFF),
            std::uint8_t((length >> 8) & kScriptLengthHighMask), tickUnits, modeByte};
  else
    file = {kMagic0, kMagic1, kMacroType, std::uint8_t(length), modeByte, tickUnits};
  file.insert(file.end(), commands.begin(), commands.end());
  return file;
}

std::optional<MacroFileHeader> ParseMacroFileHeader(MacroFileKind kind,
                                                    std::span<const std::uint8_t> header) {
  if (int(header.size()) < MacroFileHeaderSize(kind)) return std::nullopt;
  if (header[0] != kMagic0 || header[1] != kMagic1) return std::nullopt;
  if (kind == MacroFileKind::Script) {
    if (header[2] != kScriptType) return std::nullopt;
    return MacroFileHeader{((header[4] & kScriptLengthHighMask) << 8) | header[3], header[5],
                           header[6]};
  }
  if (header[2] != kMacroType) return std::nullopt;
  return MacroFileHeader{header[3], header[5], header[4]};
}
