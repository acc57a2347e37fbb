// The part of the register cache that key capture needs. The protocol
// object's cache implements it; until then tests use a plain array.
#pragma once

#include <cstdint>

class RegisterStore {
 public:
  virtual ~RegisterStore() = default;
  // Stores the value and marks the register changed when it differs from
  // the cached value or the register was never valid.
  virtual void SetChanged(int index, std::uint8_t value) = 0;
  virtual std::uint8_t Value(int index) const = 0;
};
