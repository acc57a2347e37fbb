// The HID port over virtual mice: each mouse is a VirtualMirel behind one
// or more interfaces with their own paths, identities and strings. Mice can
// be plugged and unplugged at run time; registered windows then hear of it
// through the notifier (the Windows build sends them WM_DEVICECHANGE).
//
// The backend is as strict as the system: feature reports need a handle
// opened with write access, calls on a handle of an unplugged interface
// fail, and every open is counted so tests can see handles left open.
#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "device/HidPort.h"
#include "platform/Clock.h"
#include "sim/VirtualMirel.h"

struct SVirtualInterface {
  std::u16string path;
  HidAttributes attributes;
  std::optional<std::u16string> product;
  std::optional<std::u16string> manufacturer;
  bool mouseClass = true;  // false: listed in the HID class only
  bool present = true;
  std::shared_ptr<VirtualMirel> controller;  // null: answers no feature reports
};

struct SVirtualMouseDescription {
  std::uint16_t vendorId = 0x3E71;
  std::uint16_t productId = 0x0A24;
  std::uint16_t version = 0x0704;
  std::optional<std::u16string> product = u"Orvo Mirel Gaming Mouse";
  std::optional<std::u16string> manufacturer = u"Orvo";
  // The mouse also shows its "&mi_01&col03" collection, as the real one does.
  bool withCollection3 = true;
  // Overrides the report length of the version's controller type.
  std::optional<std::size_t> reportLength;
};

class VirtualHidBackend final : public HidPort {
 public:
  using Notifier = std::function<void(HidWindow window, bool arrival, std::u16string_view path)>;

  // The clock carries each exchange's injected latency; it must outlive
  // the backend.
  explicit VirtualHidBackend(Clock& clock);

  // Adds a mouse; its interfaces come after all earlier ones in the
  // enumeration. The first interface's path is the one that answers.
  VirtualMirel& AddMouse(const SVirtualMouseDescription& description = {});
  void AddInterface(SVirtualInterface entry);
  // The path of the mouse's answering interface.
  std::u16string PathOf(const VirtualMirel& mouse) const;
  // The controller behind an interface path; null for none.
  VirtualMirel* ControllerOf(std::u16string_view path) const;

  // Plugs or unplugs every interface of `mouse` and notifies the windows.
  void SetPlugged(const VirtualMirel& mouse, bool plugged);
  void SetNotifier(Notifier notifier) { notifier_ = std::move(notifier); }
  // Pretends the system services could not be loaded.
  void SetAvailable(bool available) { available_ = available; }

  int OpenHandles() const { return static_cast<int>(handles_.size()); }
  // Active registrations, in the order they were made.
  std::vector<HidWindow> RegisteredWindows() const;

  bool Available() const override { return available_; }
  bool Load() override { return available_; }
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

 private:
  struct OpenHandle {
    std::size_t entry;
    HidAccess access;
  };
  struct Registration {
    HidWindow window;
    HidClass cls;
  };

  const SVirtualInterface* Live(HidHandle handle) const;
  VirtualMirel* WritableController(HidHandle handle);

  Clock* clock_;
  bool available_ = true;
  std::vector<SVirtualInterface> interfaces_;
  std::map<HidHandle, OpenHandle> handles_;
  HidHandle nextHandle_ = 1;
  std::map<HidNotifyHandle, Registration> registrations_;
  HidNotifyHandle nextRegistration_ = 1;
  Notifier notifier_;
  int mice_ = 0;
};
