// The virtual controller takes reports from whatever program talks to it:
// any sequence of set- and get-feature calls of any bytes and length must
// be answered or refused without touching memory it does not own.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "sim/VirtualMirel.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  VirtualMirel mouse(0x0704);
  mouse.KeepReportLog(false);
  // Each call: one byte of kind and length, then that many report bytes.
  std::size_t at = 0;
  while (at < size) {
    const std::uint8_t head = data[at++];
    const std::size_t length = head & 0x0F;
    if (size - at < length) break;
    std::vector<std::uint8_t> report(data + at, data + at + length);
    at += length;
    if (head & 0x80) mouse.GetFeature(report.data(), report.size());
    else mouse.SetFeature(report.data(), report.size());
  }
  return 0;
}
