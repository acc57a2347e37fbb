// The register image a new mouse leaves the factory with: three custom
// profiles with their button blocks and empty macro areas, the standard
// profile active, and the identification registers of its controller.
#pragma once

#include <array>
#include <cstdint>

inline constexpr int kVirtualRegisterCount = 8192;
using RegisterImage = std::array<std::uint8_t, kVirtualRegisterCount>;

// Controller versions 0x0710 and later use the 100-step sensitivity
// encoding, earlier ones the 125-step encoding.
RegisterImage FactoryImage(std::uint16_t version);

// What register 0xBB holds on a controller of `version`.
std::uint8_t IdentificationOf(std::uint16_t version);
