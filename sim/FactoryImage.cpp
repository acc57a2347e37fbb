#include "sim/FactoryImage.h"

#include "device/ControllerType.h"

namespace {

constexpr int kProfiles = 3;
constexpr int kMacrosPerProfile = 6;
constexpr int kMacroAreaSize = 0x80;
constexpr std::uint8_t kLevel1 = 0x20;

// Level register, first and second sensitivity group of each profile.
struct ProfileRegisters {
  int level, firstGroup, secondGroup;
};
constexpr ProfileRegisters kProfileRegisters[] = {
    {0x00, 0x01, 0x122D}, {0x1212, 0x1213, 0x1217}, {0x121B, 0x121C, 0x1220}, {0x1224, 0x1225, 0x1229}};

constexpr std::uint8_t kFunctionCodes[] = {0x01, 0x01, 0x01, 0x01, 0x11, 0x12};
constexpr std::uint8_t kButtonMasks[] = {0x02, 0x04, 0x10, 0x08, 0x20, 0x40};
constexpr int kMacroBlocks[] = {0x900, 0xC00, 0xF00};

void PutSensitivity(RegisterImage& image, std::uint16_t version) {
  const bool step100 = version >= 0x0710;
  const std::uint8_t first[] = {std::uint8_t(step100 ? 0x0B : 0x4D), std::uint8_t(step100 ? 0x27 : 0xFD)};
  const std::uint8_t second[] = {std::uint8_t(step100 ? 0x0B : 0x49), std::uint8_t(step100 ? 0x27 : 0x5F)};
  for (const ProfileRegisters& p : kProfileRegisters) {
    image[p.level] = kLevel1;
    // Each group has four levels; the upper two repeat the lower two.
    for (int i = 0; i < 4; ++i) {
      image[p.firstGroup + i] = first[i % 2];
      image[p.secondGroup + i] = second[i % 2];
    }
  }
}

void PutButtons(RegisterImage& image) {
  for (int p = 1; p <= kProfiles; ++p) {
    const int base = 50 * p - 43;
    for (int b = 0; b < 6; ++b) {
      image[base + 1 + b] = kFunctionCodes[b];
      image[base + 14 + 4 * b] = kButtonMasks[b];
    }
  }
}

void PutMacroAreas(RegisterImage& image) {
  for (int block : kMacroBlocks) {
    for (int k = 0; k < kMacrosPerProfile; ++k) {
      const int area = block + kMacroAreaSize * k;
      image[area] = 0x00;      // length: empty
      image[area + 1] = 0x50;  // mode byte
      image[area + 2] = 0x01;  // one delay unit
    }
  }
}

}  // namespace

std::uint8_t IdentificationOf(std::uint16_t version) {
  const auto type = FindControllerType(version);
  if (type && type->identification) return *type->identification;
  switch (version >> 8) {
    case 0x06: return 0x54;
    case 0x08: return 0x58;
    case 0x10: return 0xA2;
    case 0x12: return 0xA4;
    case 0x13: return 0x41;
    default: return 0x70;
  }
}

RegisterImage FactoryImage(std::uint16_t version) {
  RegisterImage image{};
  PutSensitivity(image, version);
  PutButtons(image);
  PutMacroAreas(image);
  image[0xA6] = 0x00;  // profile 0 active, no profile flags
  image[0xBA] = 0x6D;
  image[0xBB] = IdentificationOf(version);
  return image;
}
