#include "sim/StateFile.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<std::uint8_t, 8> kMagic = {'M', 'i', 'r', 'e', 'l', 'V', 'M', '1'};
constexpr std::size_t kFileSize = kMagic.size() + kVirtualRegisterCount;

}  // namespace

std::vector<std::uint8_t> EncodeStateFile(const RegisterImage& image) {
  std::vector<std::uint8_t> bytes(kFileSize);
  std::copy(kMagic.begin(), kMagic.end(), bytes.begin());
  std::copy(image.begin(), image.end(), bytes.begin() + kMagic.size());
  return bytes;
}

std::optional<RegisterImage> DecodeStateFile(const std::vector<std::uint8_t>& bytes,
                                             std::string& reason) {
  if (bytes.size() < kMagic.size() || !std::equal(kMagic.begin(), kMagic.end(), bytes.begin())) {
    reason = "not a virtual mouse state file";
    return std::nullopt;
  }
  if (bytes.size() != kFileSize) {
    reason = "state file has " + std::to_string(bytes.size()) + " bytes, expected " +
             std::to_string(kFileSize);
    return std::nullopt;
  }
  RegisterImage image{};
  std::copy(bytes.begin() + kMagic.size(), bytes.end(), image.begin());
  return image;
}
