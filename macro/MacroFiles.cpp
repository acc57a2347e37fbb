#include "macro/MacroFiles.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

#include "macro/TickPresets.h"

namespace fs = std::filesystem;

namespace {

constexpr int kFileLocationMessage = 5;
constexpr int kBadFormatMessage = 6;
constexpr int kWriteFailedMessage = 21;

// Reads up to `count` bytes; fewer only at the end of the file.
std::vector<std::uint8_t> ReadBytes(std::ifstream& in, int count) {
  std::vector<std::uint8_t> bytes(std::max(count, 0));
  in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(bytes.size()));
  bytes.resize(std::size_t(std::max<std::streamsize>(in.gcount(), 0)));
  return bytes;
}

enum class WriteResult { kDone, kCannotCreate, kFailed };

// Writes a new file beside the target, then renames it over the target.
WriteResult WriteReplacing(const fs::path& target, const std::vector<std::uint8_t>& bytes) {
  fs::path temporary = target;
  temporary += L".part";
  std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
  if (!out) return WriteResult::kCannotCreate;
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  out.close();
  std::error_code error;
  if (!out.fail()) {
    fs::rename(temporary, target, error);
    if (!error) return WriteResult::kDone;
  }
  fs::remove(temporary, error);
  return WriteResult::kFailed;
}

}  // namespace

bool SaveMacroFile(const std::wstring& path, MacroFileKind kind, const CSkinLVCmdList& list,
                   int tickPresetIndex, int modeIndex, MessagePort& messages) {
  auto file = BuildMacroFile(kind, std::uint8_t(TickUnitsOf(tickPresetIndex)),
                             ModeByteOf(modeIndex), list.Encode());
  const WriteResult result =
      file ? WriteReplacing(fs::path(path), *file) : WriteResult::kFailed;
  if (result == WriteResult::kCannotCreate) messages.ShowMessage(kFileLocationMessage, path);
  if (result == WriteResult::kFailed) messages.ShowMessage(kWriteFailedMessage, L"");
  return result == WriteResult::kDone;
}

std::optional<MacroFileSettings> LoadMacroFile(const std::wstring& path, MacroFileKind kind,
                                               CSkinLVCmdList& list, MessagePort& messages) {
  std::ifstream in(fs::path(path), std::ios::binary);
  if (!in) {
    messages.ShowMessage(kFileLocationMessage, path);
    return std::nullopt;
  }
  auto header = ParseMacroFileHeader(kind, ReadBytes(in, MacroFileHeaderSize(kind)));
  if (!header) {
    messages.ShowMessage(kBadFormatMessage, L"");
    return std::nullopt;
  }
  const int length = std::min(header->length, std::max(list.Capacity(), 0));
  const std::vector<std::uint8_t> commands = ReadBytes(in, length);
  if (int(commands.size()) != length) {
    messages.ShowMessage(kBadFormatMessage, L"");
    return std::nullopt;
  }
  list.Clear();
  const int preset = TickPresetIndexOf(header->tickUnits);
  list.SetTickLength(TickUnitsOf(preset) * kMsPerTickUnit);
  list.Decode(commands);
  return MacroFileSettings{preset, ModeIndexOfByte(header->modeByte)};
}
