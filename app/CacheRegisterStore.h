// The register cache of the protocol object as the key-capture fields see
// it: stores with the changed rule, reads of the cached value.
#pragma once

#include "device/IcGM06Vx.h"
#include "macro/RegisterStore.h"

class CCacheRegisterStore final : public RegisterStore {
 public:
  explicit CCacheRegisterStore(CIcGM06Vx& protocol) : protocol_(protocol) {}
  void SetChanged(int index, std::uint8_t value) override { protocol_.SetCachedValue(index, value); }
  std::uint8_t Value(int index) const override {
    return static_cast<std::uint8_t>(protocol_.Entry(index).value);
  }

 private:
  CIcGM06Vx& protocol_;
};
