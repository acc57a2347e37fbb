// Loads arbitrary bytes as a macro file and as a script file, at the
// capacities the editor uses: never past the buffer, and a refusal always
// comes with a message and leaves the list as it was.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "macro/MacroFiles.h"

namespace {

class CountingMessages : public MessagePort {
 public:
  void ShowMessage(int, const std::wstring&) override { ++count; }
  int count = 0;
};

void Check(bool condition) {
  if (!condition) std::abort();
}

const std::filesystem::path& InputPath() {
  static const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("mirel-fuzz-macro-file-" + std::to_string(getpid()));
  return path;
}

void Load(MacroFileKind kind, int capacity) {
  CSkinLVCmdList list;
  list.SetCapacity(capacity);
  list.AppendCommand(0x04);
  CountingMessages messages;
  const bool loaded = LoadMacroFile(InputPath().wstring(), kind, list, messages).has_value();
  Check(loaded == (messages.count == 0));
  Check(list.UsedBytes() <= capacity);
  if (!loaded) Check(list.RowCount() == 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  {
    std::ofstream out(InputPath(), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), std::streamsize(size));
  }
  Load(MacroFileKind::Macro, 125);
  Load(MacroFileKind::Script, 256);
  Load(MacroFileKind::Script, 512);
  return 0;
}
