// Finding the mouse: the device table of the HID interfaces whose identity
// and release number match what the caller asks for, and the window
// registration for arrival and removal notifications of their class.
//
// Entries keep the order of the enumeration; at most kMaxDevices interfaces
// are examined. Interfaces whose path contains "&mi_01&col03" are skipped
// by the mouse-table variants: that collection of the mouse is not the one
// that answers the register protocol.
//
// The system libraries belong to the HID port: the port loads them (the
// Win32 one from the system directory) and frees them when it dies, so the
// port must outlive every CHidClient that uses it. Copies share the port.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "device/HidPort.h"
#include "device/UsbId.h"

class CHidClient {
 public:
  static constexpr int kMaxDevices = 127;
  // Capacity of a table path, terminator included; longer paths are
  // skipped rather than stored cut short.
  static constexpr std::size_t kPathCapacity = 1024;
  static constexpr std::size_t kReadSize = 256;

  // Shows a plain message box (text, caption); the helpers that report an
  // open failure and the diagnostic listing use it.
  using Notice = std::function<void(std::u16string_view text, std::u16string_view caption)>;

  // The port must outlive the object (and its copies).
  explicit CHidClient(HidPort& hid, Notice notice = {});
  CHidClient(const CHidClient&) = default;
  CHidClient& operator=(const CHidClient&) = default;
  virtual ~CHidClient() = default;

  int LoadDll();

  // Every interface of the HID class (flag false, vid = pid = 0, or the
  // pair 0x0C45/0x7500) or of the mouse class, matching vid and pid unless
  // both are 0; no path filter.
  int CreateDeviceTable(std::uint16_t vid, std::uint16_t pid, bool flag);
  // Mouse-class interfaces whose (VID, PID) is a row of `ids`.
  int CreateDeviceTable(const SUsbId* ids, int idCount);
  // As above, with the release number in minVersion..maxVersion.
  int CreateDeviceTable(const SUsbId* ids, int idCount, std::uint16_t minVersion,
                        std::uint16_t maxVersion);
  // As above, or with the release number's high byte equal to version's.
  int CreateDeviceTable(const SUsbId* ids, int idCount, std::uint16_t minVersion,
                        std::uint16_t maxVersion, std::uint16_t version);
  // Mouse-class interfaces whose release number is listed; any VID and PID.
  int CreateDeviceTable(const std::uint16_t* versions, int count);

  int GetRecognizedDevices() const { return count_; }
  // Null (texts) or 0xFFFF (numbers) when i is not a valid index.
  const char16_t* GetDevice(int i) const;
  const char16_t* GetDeviceName(int i) const;
  const char16_t* GetVendorName(int i) const;
  const char16_t* GetDeviceID(int i) const;
  std::uint16_t GetDeviceVID(int i) const;
  std::uint16_t GetDevicePID(int i) const;
  std::uint16_t GetDeviceVer(int i) const;

  // Helpers on the table's paths; the program itself does not use them.
  HidHandle Open(int i);
  int Close(HidHandle handle);
  std::uint32_t Read(HidHandle handle, void* buffer);  // kReadSize bytes
  int Write(int i, void* report, std::uint32_t length);
  int Read(int i, void* report, std::uint32_t length);
  int ReadInputReport(int i, void* buffer, std::uint32_t& length);

  int RegisterNotify(HidWindow window);
  int UnRegisterNotify();
  int ReRegisterNotify(HidWindow window);
  int RecoverRegisterNotify();

  // Texts in buffers shared by all instances, valid until the next call.
  const char16_t* Id2ProductString(HidHandle handle);
  const char16_t* Id2ManufactureString(HidHandle handle);
  static const char16_t* Id2String(std::uint16_t vid, std::uint16_t pid);
  static int IsQuorlProduct(std::uint16_t vid, std::uint16_t pid);

  // A diagnostic listing of the table: kind 0 the identities, any other
  // kind the paths as well.
  void ShowCurrentTable(int kind);

  HidClass InterfaceClass() const { return interfaceClass_; }
  HidNotifyHandle NotifyHandle() const { return notifyHandle_; }
  HidWindow NotifyWindow() const { return notifyWindow_; }

 private:
  using Accept = std::function<bool(const HidAttributes&)>;

  int BuildTable(HidClass cls, bool skipCollection3, const Accept& accept);
  void AddEntry(const std::u16string& path, const HidAttributes& attributes, HidHandle handle);
  bool Valid(int i) const { return i >= 0 && i < count_; }
  template <class Request>
  int OnEntry(int i, Request request);

  HidPort* hid_;
  Notice notice_;
  int count_ = 0;
  HidClass interfaceClass_ = HidClass::Mouse;
  HidNotifyHandle notifyHandle_ = 0;
  HidWindow notifyWindow_ = 0;
  std::array<std::u16string, kMaxDevices> paths_;
  std::array<std::u16string, kMaxDevices> products_;
  std::array<std::u16string, kMaxDevices> manufacturers_;
  std::array<std::u16string, kMaxDevices> ids_;
  std::array<std::uint16_t, kMaxDevices> versions_{};
  std::array<std::uint16_t, kMaxDevices> vids_{};
  std::array<std::uint16_t, kMaxDevices> pids_{};
  bool librariesLoaded_;
};
