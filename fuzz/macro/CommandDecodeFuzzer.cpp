// Decodes arbitrary bytes (from a file or the mouse) at an arbitrary
// capacity: the list must stay within its capacity, account its bytes
// exactly, and encode to bytes that decode to themselves.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "macro/SkinLVCmdList.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const int capacity = (data[0] | (data[1] << 8)) % 1025;
  std::span<const std::uint8_t> bytes(data + 2, size - 2);

  CSkinLVCmdList list;
  list.SetCapacity(capacity);
  list.Decode(bytes);
  const std::vector<std::uint8_t> encoded = list.Encode();
  Check(list.UsedBytes() <= capacity);
  Check(int(encoded.size()) == list.UsedBytes());

  CSkinLVCmdList again;
  again.SetCapacity(capacity);
  again.Decode(encoded);
  Check(again.Encode() == encoded);
  Check(again.RowCount() == list.RowCount());
  return 0;
}
