// The HID port: everything the device link asks of the operating system's
// HID services, and nothing more. The register protocol and the device
// table know only this contract; one backend per platform implements it
// (Win32 hid.dll/setupapi.dll, the virtual mouse).
//
// Conventions of every call:
//  - Paths are device interface paths exactly as the enumeration returned
//    them (UTF-16, no terminator counted).
//  - A report buffer starts with the report id in byte 0 (always 0 for the
//    mouse, which uses no numbered reports); `length` counts byte 0, so a
//    6-byte report is the id plus 5 payload bytes. The backend transfers
//    exactly `length` bytes: it neither pads nor truncates.
//  - Failures are reported by the return value only; there is no error
//    state to query.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Which device interface class to enumerate or watch: the mouse class, or
// every HID interface.
enum class HidClass { Mouse, Hid };

// How a path is opened. Both share reading and writing with other
// processes and open existing devices only.
//  QueryOnly: no read or write access; enough for attributes and strings.
//  Write: write access; needed for feature reports and the helpers below.
enum class HidAccess { QueryOnly, Write };

// An open device. kInvalidHidHandle marks a failed open.
using HidHandle = std::intptr_t;
inline constexpr HidHandle kInvalidHidHandle = -1;

// A window that receives device-change notifications (HWND on Windows).
using HidWindow = std::uintptr_t;
// A notification registration; 0 means none.
using HidNotifyHandle = std::uintptr_t;

struct HidAttributes {
  std::uint16_t vendorId = 0;
  std::uint16_t productId = 0;
  std::uint16_t version = 0;  // the device release number
};

class HidPort {
 public:
  virtual ~HidPort() = default;

  // True when the backend's system services are usable. A backend that
  // could not load them answers false here and fails every call below.
  virtual bool Available() const = 0;
  // Tries to load whatever part of the system services is missing; returns
  // Available() afterwards.
  virtual bool Load() = 0;

  // The paths of the present interfaces of `cls`, in the system's order, at
  // most `maxCount` of them. Empty optional when the set of interfaces could
  // not be obtained at all; when the enumeration breaks off part way, the
  // paths before the break (never a path the system did not return).
  virtual std::optional<std::vector<std::u16string>> EnumerateInterfaces(
      HidClass cls, std::size_t maxCount) = 0;

  // Opens `path`; kInvalidHidHandle on failure (absent device, refused
  // access, path the system does not accept).
  virtual HidHandle Open(std::u16string_view path, HidAccess access) = 0;
  // Closes a handle from Open; false for kInvalidHidHandle or an unknown one.
  virtual bool Close(HidHandle handle) = 0;

  // Vendor id, product id and release number; empty when the query fails.
  virtual std::optional<HidAttributes> GetAttributes(HidHandle handle) = 0;
  // The product and manufacturer strings; empty when the device has none
  // or the query fails. At most kHidStringUnits code units.
  virtual std::optional<std::u16string> GetProductString(HidHandle handle) = 0;
  virtual std::optional<std::u16string> GetManufacturerString(HidHandle handle) = 0;

  // Sends `length` bytes of `report` (byte 0 = report id) as a feature
  // report. True when the device accepted it.
  virtual bool SetFeature(HidHandle handle, const std::uint8_t* report,
                          std::size_t length) = 0;
  // Fetches a feature report into `report`. The caller sets byte 0 to the
  // report id wanted; on success the `length` bytes hold the report, id in
  // byte 0. False when the device gave no report.
  virtual bool GetFeature(HidHandle handle, std::uint8_t* report, std::size_t length) = 0;

  // One synchronous read of an input report into `buffer` (up to
  // `capacity` bytes). Returns the number of bytes read, empty on failure.
  virtual std::optional<std::size_t> ReadInput(HidHandle handle, std::uint8_t* buffer,
                                               std::size_t capacity) = 0;

  // Asks for arrival and removal notifications of interfaces of `cls` to be
  // sent to `window`. Each call is a registration of its own; 0 on failure.
  virtual HidNotifyHandle RegisterNotify(HidWindow window, HidClass cls) = 0;
  // Ends one registration; false when it fails or the handle is unknown.
  virtual bool UnregisterNotify(HidNotifyHandle handle) = 0;
};

// The longest product or manufacturer string the port returns: the system
// query is made with a 128-byte buffer.
inline constexpr std::size_t kHidStringUnits = 64;

// The outcome of one feature exchange on a path.
enum class HidExchange { Done, OpenFailed, TransferFailed };

// One feature report sent on `path`, opened with write access for this
// exchange alone and closed afterwards, so no handle is held between
// exchanges and other programs may use the device in between.
HidExchange SetFeatureOnPath(HidPort& port, std::u16string_view path,
                             const std::uint8_t* report, std::size_t length);
// One feature report fetched on `path`, opened and closed the same way.
HidExchange GetFeatureOnPath(HidPort& port, std::u16string_view path, std::uint8_t* report,
                             std::size_t length);
// Whether `path` opens with write access (the handle is closed at once).
bool CanOpenForWrite(HidPort& port, std::u16string_view path);
