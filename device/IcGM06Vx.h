// The register protocol of the mouse's controller and the register cache.
//
// The controller exposes its configuration as byte registers. Each exchange
// is one feature report on the device path, the device opened and closed
// for that report alone, retried up to 20 times with 120 ms pauses:
//
//   byte:            0     1     2             3       4              5
//   read register    0x00  0xDF  address low   0x00    address high   -
//   write register   0x00  0xDE  address low   value   address high   -
//   control (a,b,c)  0x00  0xC4  a             b       c              0x00
//
// A read request is answered by the next get-feature: byte 1 echoes the
// address low byte, byte 3 the high byte, byte 2 holds the value. The
// report length of the controller type decides how many bytes go out;
// bytes a command does not set keep what the one shared buffer held.
//
// The cache holds every register with a valid and a changed mark. Values
// set by the program are marked changed only when they differ from what the
// cache knows to be in the mouse; only commits write to the mouse, so the
// changed mark is what decides which registers a save transfers.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "device/HidPort.h"
#include "platform/Clock.h"

struct SRegisterEntry {
  bool valid = false;    // read from the mouse or written to it
  bool changed = false;  // set in the program, not yet written
  std::int32_t value = 0;
};

class CIcGM06Vx {
 public:
  static constexpr int kRegisterSpace = 8192;
  static constexpr int kAttempts = 20;
  static constexpr Clock::Duration kRetryPause{120};
  // Longest device path the object keeps; a longer one is refused whole,
  // since a truncated path would name another device or none.
  static constexpr std::size_t kMaxPathLength = 256;
  static constexpr int kReportBufferSize = 10;

  // Last-status codes, for diagnosis only.
  enum Status : std::int32_t {
    kStatusReset = 0,
    kStatusLoaded = -2,
    kStatusEmptyPath = -3,
    kStatusOpenFailed = -4,
    kStatusNoPath = -5,
    kStatusGetFailed = -6,
    kStatusSetFailed = -7,
  };

  // The port and the clock must outlive the object.
  CIcGM06Vx(HidPort& hid, Clock& clock);
  virtual ~CIcGM06Vx() = default;

  // Forgets the device and the whole cache; back to type 0x0603. The report
  // length stays as the last selection left it.
  void Reset();
  // 1 and the type's register count and report length when `type` is
  // selectable; 0 and no change otherwise.
  int SelectControllerType(std::uint16_t type);
  // 1 when `path` is stored. An empty path (status -3) or one longer than
  // kMaxPathLength (status -4) clears the stored path and returns 0.
  int SetDevicePath(std::u16string_view path);
  // Stores `path`, checks that it opens, and identifies the controller
  // (0xBA = 0x6D, 0xBB = the type's value; type 0 skips identification).
  int OpenDevice(std::u16string_view path);
  // 1 when `path` equals the stored path exactly.
  int IsDevicePath(std::u16string_view path) const;

  // One exchange each, with retries; the cache is not touched.
  int ReadRegister(int address, int& value);
  int WriteRegister(int address, int value);
  int SendControl(int a, int b, int c);
  // Two reads that must agree, up to 20 times.
  int ReadRegisterVerified(int address, int& value);

  // Cache. SetCachedValue marks the entry changed and returns 1 when the
  // value differs or the entry is not valid; otherwise 0 and no change.
  int SetCachedValue(int address, int value);
  // Writes the entry when it is marked changed (1 without a transfer when
  // not); 0 for an address at or beyond the register count.
  int CommitRegister(int address);
  // For the profile register: writes at once unless the cache already
  // holds `value`, valid and unchanged.
  int WriteThrough(int address, int value);
  // Records a value read from the mouse: valid, not changed.
  void StoreReadValue(int address, int value);

  // Direct access for the transfers and the editing; `address` must be
  // 0..kRegisterSpace-1 (the operations above check it themselves).
  SRegisterEntry& Entry(int address) { return cache_[Index(address)]; }
  const SRegisterEntry& Entry(int address) const { return cache_[Index(address)]; }

  std::int32_t LastStatus() const { return status_; }
  std::uint16_t ControllerType() const { return type_; }
  int RegisterCount() const { return registerCount_; }
  int ReportLength() const { return reportLength_; }
  const std::u16string& DevicePath() const { return path_; }

 private:
  enum class Direction { Set, Get };

  static std::size_t Index(int address) { return static_cast<std::size_t>(address); }
  bool Exchange(Direction direction);
  bool ReadOnce(int address, int& value);
  template <class Attempt>
  int Retry(Attempt attempt);
  void PutRequest(std::uint8_t command, int address, std::uint8_t byte3);

  HidPort* hid_;
  Clock* clock_;
  std::array<SRegisterEntry, kRegisterSpace> cache_{};
  std::array<std::uint8_t, kReportBufferSize> report_{};
  std::u16string path_;
  std::int32_t status_;
  std::uint16_t type_ = 0x0603;
  int registerCount_ = 6169;
  int reportLength_ = kReportBufferSize;
};
