// Reads arbitrary bytes as a dialog template: never past the end, and a
// template that reads adds nothing that its bytes could not hold.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "skin/DialogTemplate.h"

namespace {

// Every control takes at least 24 bytes before its class and text.
constexpr std::size_t kSmallestControl = 24;

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto dialog = ParseDialogTemplate(std::span(data, size));
  if (!dialog) return 0;
  Check(dialog->items.size() * kSmallestControl <= size);
  Check(!dialog->LayoutFont().face.empty());
  return 0;
}
