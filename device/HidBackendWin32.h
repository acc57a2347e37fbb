// The HID port over the Windows HID and SetupAPI services.
#pragma once

#include "device/HidLibrariesWin32.h"
#include "device/HidPort.h"

class HidBackendWin32 final : public HidPort {
 public:
  HidBackendWin32() = default;

  bool Available() const override { return libraries_.Loaded(); }
  bool Load() override { return libraries_.Load(); }
  std::optional<std::vector<std::u16string>> EnumerateInterfaces(HidClass cls,
                                                                 std::size_t maxCount) override;
  HidHandle Open(std::u16string_view path, HidAccess access) override;
  bool Close(HidHandle handle) override;
  std::optional<HidAttributes> GetAttributes(HidHandle handle) override;
  std::optional<std::u16string> GetProductString(HidHandle handle) override;
  std::optional<std::u16string> GetManufacturerString(HidHandle handle) override;
  bool SetFeature(HidHandle handle, const std::uint8_t* report, std::size_t length) override;
  bool GetFeature(HidHandle handle, std::uint8_t* report, std::size_t length) override;
  std::optional<std::size_t> ReadInput(HidHandle handle, std::uint8_t* buffer,
                                       std::size_t capacity) override;
  HidNotifyHandle RegisterNotify(HidWindow window, HidClass cls) override;
  bool UnregisterNotify(HidNotifyHandle handle) override;

  const HidLibrariesWin32& Libraries() const { return libraries_; }

 private:
  GUID ClassGuid(HidClass cls) const;
  std::optional<std::u16string> InterfacePath(HDEVINFO set, SP_DEVICE_INTERFACE_DATA& entry) const;

  HidLibrariesWin32 libraries_;
};
