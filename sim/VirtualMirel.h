// The mouse's controller in software: 8192 byte registers and the
// feature-report register protocol as the controller sees it.
//
// A read request (0xDF) is answered by the next get-feature with the
// address echoed in bytes 1 and 3 and the value in byte 2; a write (0xDE)
// stores a register; a control command (0xC4) is logged with its three
// arguments. Reports of another length than the controller's, with a
// report id other than 0, or with an unknown command are refused.
//
// Faults are switched on by name (SetFault) and consumed as calls arrive.
// The register image can be tied to a state file, so a virtual mouse keeps
// its settings across runs like a real one.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sim/FactoryImage.h"

struct SControlCommand {
  std::uint8_t a, b, c;
  bool operator==(const SControlCommand&) const = default;
};

struct SVirtualFaults {
  int failSets = 0;     // "fail-set": the next N set-feature calls fail
  int failGets = 0;     // "fail-get": the next N get-feature calls fail
  int wrongEchoes = 0;  // "wrong-echo": the next N read answers echo another address
  int failOpens = 0;    // "fail-open": the next N opens fail
  std::chrono::milliseconds latency{0};  // "latency-ms": time each exchange takes
};

class VirtualMirel {
 public:
  // The report length follows the version's controller type (6 when the
  // type is unknown); a description may override it.
  explicit VirtualMirel(std::uint16_t version);
  VirtualMirel(std::uint16_t version, std::size_t reportLength);

  bool SetFeature(const std::uint8_t* report, std::size_t length);
  bool GetFeature(std::uint8_t* report, std::size_t length);

  std::uint16_t Version() const { return version_; }
  std::size_t ReportLength() const { return reportLength_; }
  std::uint8_t Register(int address) const { return registers_[Index(address)]; }
  void SetRegister(int address, std::uint8_t value) { registers_[Index(address)] = value; }
  const RegisterImage& Registers() const { return registers_; }
  void RestoreFactoryImage();

  // Every set-feature report received (accepted or not), as sent, unless
  // the log was switched off (long runs such as benchmarks).
  const std::vector<std::vector<std::uint8_t>>& ReceivedReports() const { return received_; }
  void KeepReportLog(bool keep) { keepReports_ = keep; }
  const std::vector<SControlCommand>& Controls() const { return controls_; }
  long long SetCalls() const { return setCalls_; }
  long long GetCalls() const { return getCalls_; }
  void ClearLog();

  // Names: "fail-set", "fail-get", "wrong-echo", "fail-open", "latency-ms".
  // False for an unknown name or a negative count.
  bool SetFault(std::string_view name, int count);
  SVirtualFaults& Faults() { return faults_; }
  // Consumes one "fail-open" fault; true when this open is to fail.
  bool TakeOpenFault();

  // Ties the image to `file`: a missing file is created with the current
  // image, an existing state file is read; from then on every register
  // write saves the image there. A file that is not a state file is
  // neither read nor overwritten: the reason is returned and nothing is
  // tied.
  std::optional<std::string> AttachStateFile(const std::filesystem::path& file);
  bool SaveState(const std::filesystem::path& file) const;
  std::optional<std::string> LoadState(const std::filesystem::path& file);

 private:
  static std::size_t Index(int address) { return static_cast<std::size_t>(address); }
  bool Accept(const std::uint8_t* report, std::size_t length);
  void Write(int address, std::uint8_t value);

  std::uint16_t version_;
  std::size_t reportLength_;
  RegisterImage registers_;
  std::optional<int> pendingRead_;
  SVirtualFaults faults_;
  std::vector<std::vector<std::uint8_t>> received_;
  std::vector<SControlCommand> controls_;
  bool keepReports_ = true;
  long long setCalls_ = 0;
  long long getCalls_ = 0;
  std::filesystem::path stateFile_;
};
