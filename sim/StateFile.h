// The state file of a virtual mouse: a small header and the register image.
// Readers refuse anything that is not exactly one image, so a damaged file
// never yields a half-loaded mouse.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sim/FactoryImage.h"

std::vector<std::uint8_t> EncodeStateFile(const RegisterImage& image);
// The image, or the reason the bytes are not a state file.
std::optional<RegisterImage> DecodeStateFile(const std::vector<std::uint8_t>& bytes,
                                             std::string& reason);
