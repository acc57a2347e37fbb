#include "device/IcGM06Vx.h"

#include "device/ControllerType.h"

namespace {

constexpr std::uint8_t kReadCommand = 0xDF;
constexpr std::uint8_t kWriteCommand = 0xDE;
constexpr std::uint8_t kControlCommand = 0xC4;
constexpr int kIdentityRegister = 0xBA;
constexpr int kIdentityValue = 0x6D;
constexpr int kTypeRegister = 0xBB;

std::uint8_t Low(int address) { return static_cast<std::uint8_t>(address & 0xFF); }
std::uint8_t High(int address) { return static_cast<std::uint8_t>((address >> 8) & 0xFF); }
std::uint8_t Byte(int value) { return static_cast<std::uint8_t>(value & 0xFF); }

bool InCache(int address) { return address >= 0 && address < CIcGM06Vx::kRegisterSpace; }

}  // namespace

CIcGM06Vx::CIcGM06Vx(HidPort& hid, Clock& clock)
    : hid_(&hid), clock_(&clock), status_(hid.Available() ? kStatusLoaded : kStatusReset) {}

void CIcGM06Vx::Reset() {
  path_.clear();
  cache_.fill(SRegisterEntry{});
  status_ = kStatusReset;
  type_ = 0x0603;
  registerCount_ = 6169;
}

int CIcGM06Vx::SelectControllerType(std::uint16_t type) {
  const auto found = FindControllerType(type);
  if (!found) return 0;
  type_ = found->type;
  registerCount_ = found->registerCount;
  reportLength_ = found->reportLength;
  return 1;
}

int CIcGM06Vx::SetDevicePath(std::u16string_view path) {
  if (path.empty() || path.size() > kMaxPathLength) {
    status_ = path.empty() ? kStatusEmptyPath : kStatusOpenFailed;
    path_.clear();
    return 0;
  }
  path_ = path;
  return 1;
}

int CIcGM06Vx::OpenDevice(std::u16string_view path) {
  if (!SetDevicePath(path)) return 0;
  if (!CanOpenForWrite(*hid_, path_)) {
    status_ = kStatusOpenFailed;
    path_.clear();
    return 0;
  }
  if (type_ == 0) return 1;
  int value = 0;
  if (!ReadRegisterVerified(kIdentityRegister, value) || value != kIdentityValue) return 0;
  const auto expected = FindControllerType(type_)->identification;
  if (!expected) return 0;
  return ReadRegisterVerified(kTypeRegister, value) && value == *expected ? 1 : 0;
}

int CIcGM06Vx::IsDevicePath(std::u16string_view path) const { return path == path_ ? 1 : 0; }

bool CIcGM06Vx::Exchange(Direction direction) {
  if (path_.empty()) {
    status_ = kStatusNoPath;
    return false;
  }
  const auto length = static_cast<std::size_t>(reportLength_);
  const HidExchange result = direction == Direction::Set
                                 ? SetFeatureOnPath(*hid_, path_, report_.data(), length)
                                 : GetFeatureOnPath(*hid_, path_, report_.data(), length);
  if (result == HidExchange::OpenFailed) {
    status_ = kStatusOpenFailed;
    return false;
  }
  if (result == HidExchange::TransferFailed) {
    status_ = direction == Direction::Set ? kStatusSetFailed : kStatusGetFailed;
    clock_->Sleep(kRetryPause);
    return false;
  }
  return true;
}

template <class Attempt>
int CIcGM06Vx::Retry(Attempt attempt) {
  for (int i = 0; i < kAttempts; ++i) {
    if (attempt()) return 1;
    clock_->Sleep(kRetryPause);
  }
  return 0;
}

void CIcGM06Vx::PutRequest(std::uint8_t command, int address, std::uint8_t byte3) {
  report_[0] = 0x00;
  report_[1] = command;
  report_[2] = Low(address);
  report_[3] = byte3;
  report_[4] = High(address);
}

bool CIcGM06Vx::ReadOnce(int address, int& value) {
  PutRequest(kReadCommand, address, 0x00);
  if (!Exchange(Direction::Set)) return false;
  report_.fill(0);
  if (!Exchange(Direction::Get)) return false;
  if (report_[1] != Low(address) || report_[3] != High(address)) return false;
  value = report_[2];
  return true;
}

int CIcGM06Vx::ReadRegister(int address, int& value) {
  return Retry([&] { return ReadOnce(address, value); });
}

int CIcGM06Vx::WriteRegister(int address, int value) {
  return Retry([&] {
    PutRequest(kWriteCommand, address, Byte(value));
    return Exchange(Direction::Set);
  });
}

int CIcGM06Vx::SendControl(int a, int b, int c) {
  return Retry([&] {
    report_[0] = 0x00;
    report_[1] = kControlCommand;
    report_[2] = Byte(a);
    report_[3] = Byte(b);
    report_[4] = Byte(c);
    report_[5] = 0x00;
    return Exchange(Direction::Set);
  });
}

int CIcGM06Vx::ReadRegisterVerified(int address, int& value) {
  for (int pass = 0; pass < kAttempts; ++pass) {
    int first = 0;
    int second = 0;
    if (ReadRegister(address, first) && ReadRegister(address, second) && first == second) {
      value = first;
      return 1;
    }
  }
  return 0;
}

int CIcGM06Vx::SetCachedValue(int address, int value) {
  if (!InCache(address)) return 0;
  SRegisterEntry& entry = cache_[Index(address)];
  const std::int32_t byte = Byte(value);
  if (entry.valid && entry.value == byte) return 0;
  entry.value = byte;
  entry.changed = true;
  return 1;
}

int CIcGM06Vx::CommitRegister(int address) {
  if (address < 0 || address >= registerCount_) return 0;
  SRegisterEntry& entry = cache_[Index(address)];
  if (!entry.changed) return 1;
  if (!WriteRegister(address, entry.value)) return 0;
  entry.valid = true;
  entry.changed = false;
  return 1;
}

int CIcGM06Vx::WriteThrough(int address, int value) {
  if (!InCache(address)) return 0;
  SRegisterEntry& entry = cache_[Index(address)];
  const std::int32_t byte = Byte(value);
  if (!entry.changed && entry.valid && entry.value == byte) return 1;
  if (!WriteRegister(address, byte)) return 0;
  entry = SRegisterEntry{true, false, byte};
  return 1;
}

void CIcGM06Vx::StoreReadValue(int address, int value) {
  if (InCache(address)) cache_[Index(address)] = SRegisterEntry{true, false, Byte(value)};
}
