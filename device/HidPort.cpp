#include "device/HidPort.h"

namespace {

template <class Transfer>
HidExchange OnPath(HidPort& port, std::u16string_view path, Transfer transfer) {
  const HidHandle handle = port.Open(path, HidAccess::Write);
  if (handle == kInvalidHidHandle) return HidExchange::OpenFailed;
  const bool done = transfer(handle);
  port.Close(handle);
  return done ? HidExchange::Done : HidExchange::TransferFailed;
}

}  // namespace

HidExchange SetFeatureOnPath(HidPort& port, std::u16string_view path,
                             const std::uint8_t* report, std::size_t length) {
  return OnPath(port, path,
                [&](HidHandle h) { return port.SetFeature(h, report, length); });
}

HidExchange GetFeatureOnPath(HidPort& port, std::u16string_view path, std::uint8_t* report,
                             std::size_t length) {
  return OnPath(port, path,
                [&](HidHandle h) { return port.GetFeature(h, report, length); });
}

bool CanOpenForWrite(HidPort& port, std::u16string_view path) {
  const HidHandle handle = port.Open(path, HidAccess::Write);
  if (handle == kInvalidHidHandle) return false;
  port.Close(handle);
  return true;
}
