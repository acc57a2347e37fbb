// A state file is read from disk: any bytes must give an image or a reason,
// never a crash or a partial image.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "sim/StateFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> bytes(data, data + size);
  std::string reason;
  const auto image = DecodeStateFile(bytes, reason);
  if (image && EncodeStateFile(*image) != bytes) __builtin_trap();
  if (!image && reason.empty()) __builtin_trap();
  return 0;
}
