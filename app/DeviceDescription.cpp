#include "app/DeviceDescription.h"

namespace {

// "DeviceDesc" is read into 256 bytes: 127 characters and the terminator.
constexpr std::size_t kDescriptionCapacity = 128;

void PatchInstance(CRegistryStore& registry, const std::wstring& instanceKey) {
  if (!registry.OpenKey(RegistryRoot::LocalMachine, instanceKey)) return;
  std::wstring description;
  // One character more than the buffer tells an overlong value, which
  // does not count as read.
  if (!registry.GetString(RegistryRoot::LocalMachine, instanceKey, L"DeviceDesc", description,
                          kDescriptionCapacity + 1) ||
      description.size() >= kDescriptionCapacity) {
    return;
  }
  if (description != kMouseDescription) {
    registry.SetString(RegistryRoot::LocalMachine, instanceKey, L"DeviceDesc", kMouseDescription);
  }
}

}  // namespace

void PatchDeviceDescription(CRegistryStore& registry) {
  if (!registry.OpenKey(RegistryRoot::LocalMachine, kMouseInterfaceKey)) return;
  std::wstring instance;
  for (std::uint32_t index = 0;
       registry.EnumSubkey(RegistryRoot::LocalMachine, kMouseInterfaceKey, index, instance);
       ++index) {
    PatchInstance(registry, std::wstring(kMouseInterfaceKey) + L"\\" + instance);
  }
}
