// Profile and attachment readers on arbitrary bytes: no crash, no read
// past the input, and what an accepted file stores stays inside the
// register space and inside the blocks a profile file may touch.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "config/AttachmentFile.h"
#include "config/ProfileFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  for (int profile = -1; profile <= 4; ++profile) {
    const auto contents = ReadProfileFileBytes(profile, bytes);
    if (!contents) continue;
    if (profile < 0 || profile > 3) std::abort();
    for (const RegisterValue& store : contents->stores) {
      if (store.reg < 0 || store.reg >= 8192 || store.reg == 0xA6) std::abort();
    }
    if (contents->stores.size() > 50 + 768 + 4 * 260 + 2 * 516 + 9) std::abort();
  }
  if (const auto attachment = ReadAttachmentBytes(bytes)) {
    if (attachment->name && attachment->name->size() >= kAttachmentNameUnits) std::abort();
    if (attachment->picture && !IsPlainFileName(*attachment->picture)) std::abort();
  }
  return 0;
}
