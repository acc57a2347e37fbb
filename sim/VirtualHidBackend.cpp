#include "sim/VirtualHidBackend.h"

#include <cstdio>

namespace {

constexpr std::size_t kInputReportLength = 5;

std::u16string Ascii(const std::string& text) { return std::u16string(text.begin(), text.end()); }

// Paths shaped like the system's: identity, interface and collection, an
// instance part unique to the mouse, and the mouse interface class.
std::u16string MakePath(const SVirtualMouseDescription& d, int mouse, const char* collection) {
  char text[160];
  std::snprintf(text, sizeof text,
                "\\\\?\\hid#vid_%04x&pid_%04x%s#8&%06x&0&0000#{378de44c-56ef-11d1-bc8c-00a0c91405dd}",
                unsigned{d.vendorId}, unsigned{d.productId}, collection, 0x2a3b00u + unsigned(mouse));
  return Ascii(text);
}

}  // namespace

VirtualHidBackend::VirtualHidBackend(Clock& clock) : clock_(&clock) {}

VirtualMirel& VirtualHidBackend::AddMouse(const SVirtualMouseDescription& d) {
  auto controller = d.reportLength ? std::make_shared<VirtualMirel>(d.version, *d.reportLength)
                                   : std::make_shared<VirtualMirel>(d.version);
  const int mouse = ++mice_;
  const HidAttributes attributes{d.vendorId, d.productId, d.version};
  AddInterface({MakePath(d, mouse, "&mi_01&col01"), attributes, d.product, d.manufacturer, true,
                true, controller});
  if (d.withCollection3) {
    AddInterface({MakePath(d, mouse, "&mi_01&col03"), attributes, d.product, d.manufacturer,
                  true, true, controller});
  }
  return *controller;
}

void VirtualHidBackend::AddInterface(SVirtualInterface entry) {
  interfaces_.push_back(std::move(entry));
}

std::u16string VirtualHidBackend::PathOf(const VirtualMirel& mouse) const {
  for (const SVirtualInterface& i : interfaces_) {
    if (i.controller.get() == &mouse) return i.path;
  }
  return {};
}

VirtualMirel* VirtualHidBackend::ControllerOf(std::u16string_view path) const {
  for (const SVirtualInterface& i : interfaces_) {
    if (i.path == path) return i.controller.get();
  }
  return nullptr;
}

void VirtualHidBackend::SetPlugged(const VirtualMirel& mouse, bool plugged) {
  for (SVirtualInterface& i : interfaces_) {
    if (i.controller.get() != &mouse || i.present == plugged) continue;
    i.present = plugged;
    for (const auto& [handle, registration] : registrations_) {
      const bool watches = registration.cls == HidClass::Hid || i.mouseClass;
      if (watches && notifier_) notifier_(registration.window, plugged, i.path);
    }
  }
}

std::vector<HidWindow> VirtualHidBackend::RegisteredWindows() const {
  std::vector<HidWindow> windows;
  for (const auto& [handle, registration] : registrations_) windows.push_back(registration.window);
  return windows;
}

std::optional<std::vector<std::u16string>> VirtualHidBackend::EnumerateInterfaces(
    HidClass cls, std::size_t maxCount) {
  if (!available_) return std::nullopt;
  std::vector<std::u16string> paths;
  for (const SVirtualInterface& i : interfaces_) {
    if (paths.size() == maxCount) break;
    if (i.present && (cls == HidClass::Hid || i.mouseClass)) paths.push_back(i.path);
  }
  return paths;
}

HidHandle VirtualHidBackend::Open(std::u16string_view path, HidAccess access) {
  if (!available_) return kInvalidHidHandle;
  for (std::size_t n = 0; n < interfaces_.size(); ++n) {
    SVirtualInterface& i = interfaces_[n];
    if (!i.present || i.path != path) continue;
    if (i.controller && i.controller->TakeOpenFault()) return kInvalidHidHandle;
    const HidHandle handle = nextHandle_++;
    handles_[handle] = {n, access};
    return handle;
  }
  return kInvalidHidHandle;
}

bool VirtualHidBackend::Close(HidHandle handle) { return handles_.erase(handle) == 1; }

const SVirtualInterface* VirtualHidBackend::Live(HidHandle handle) const {
  const auto found = handles_.find(handle);
  if (found == handles_.end()) return nullptr;
  const SVirtualInterface& i = interfaces_[found->second.entry];
  return i.present ? &i : nullptr;
}

VirtualMirel* VirtualHidBackend::WritableController(HidHandle handle) {
  const SVirtualInterface* i = Live(handle);
  if (i == nullptr || handles_[handle].access != HidAccess::Write) return nullptr;
  if (i->controller) clock_->Sleep(i->controller->Faults().latency);
  return i->controller.get();
}

std::optional<HidAttributes> VirtualHidBackend::GetAttributes(HidHandle handle) {
  const SVirtualInterface* i = Live(handle);
  if (i == nullptr) return std::nullopt;
  return i->attributes;
}

std::optional<std::u16string> VirtualHidBackend::GetProductString(HidHandle handle) {
  const SVirtualInterface* i = Live(handle);
  if (i == nullptr || !i->product) return std::nullopt;
  return i->product->substr(0, kHidStringUnits);
}

std::optional<std::u16string> VirtualHidBackend::GetManufacturerString(HidHandle handle) {
  const SVirtualInterface* i = Live(handle);
  if (i == nullptr || !i->manufacturer) return std::nullopt;
  return i->manufacturer->substr(0, kHidStringUnits);
}

bool VirtualHidBackend::SetFeature(HidHandle handle, const std::uint8_t* report,
                                   std::size_t length) {
  VirtualMirel* controller = WritableController(handle);
  return controller != nullptr && controller->SetFeature(report, length);
}

bool VirtualHidBackend::GetFeature(HidHandle handle, std::uint8_t* report, std::size_t length) {
  VirtualMirel* controller = WritableController(handle);
  return controller != nullptr && controller->GetFeature(report, length);
}

std::optional<std::size_t> VirtualHidBackend::ReadInput(HidHandle handle, std::uint8_t* buffer,
                                                        std::size_t capacity) {
  // A mouse at rest: one report of no buttons and no motion.
  if (WritableController(handle) == nullptr || capacity < kInputReportLength) return std::nullopt;
  std::fill(buffer, buffer + kInputReportLength, std::uint8_t{0});
  return kInputReportLength;
}

HidNotifyHandle VirtualHidBackend::RegisterNotify(HidWindow window, HidClass cls) {
  if (!available_ || window == 0) return 0;
  const HidNotifyHandle handle = nextRegistration_++;
  registrations_[handle] = {window, cls};
  return handle;
}

bool VirtualHidBackend::UnregisterNotify(HidNotifyHandle handle) {
  return registrations_.erase(handle) == 1;
}
