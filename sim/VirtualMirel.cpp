#include "sim/VirtualMirel.h"

#include <fstream>
#include <iterator>
#include <system_error>

#include "device/ControllerType.h"
#include "sim/StateFile.h"

namespace {

constexpr std::uint8_t kRead = 0xDF;
constexpr std::uint8_t kWrite = 0xDE;
constexpr std::uint8_t kControl = 0xC4;
constexpr std::size_t kDefaultReportLength = 6;
// Larger than any state file: a bigger file is refused without reading it all.
constexpr std::size_t kReadLimit = 16384;

std::size_t ReportLengthOf(std::uint16_t version) {
  const auto type = FindControllerType(version);
  return type ? static_cast<std::size_t>(type->reportLength) : kDefaultReportLength;
}

int AddressOf(const std::uint8_t* report) { return report[2] | (report[4] << 8); }

bool TakeOne(int& count) {
  if (count <= 0) return false;
  --count;
  return true;
}

}  // namespace

VirtualMirel::VirtualMirel(std::uint16_t version)
    : VirtualMirel(version, ReportLengthOf(version)) {}

VirtualMirel::VirtualMirel(std::uint16_t version, std::size_t reportLength)
    : version_(version), reportLength_(reportLength), registers_(FactoryImage(version)) {}

void VirtualMirel::RestoreFactoryImage() { registers_ = FactoryImage(version_); }

void VirtualMirel::ClearLog() {
  received_.clear();
  controls_.clear();
  setCalls_ = 0;
  getCalls_ = 0;
}

bool VirtualMirel::Accept(const std::uint8_t* report, std::size_t length) {
  return report != nullptr && length == reportLength_ && report[0] == 0x00;
}

bool VirtualMirel::SetFeature(const std::uint8_t* report, std::size_t length) {
  ++setCalls_;
  if (keepReports_ && report != nullptr) received_.emplace_back(report, report + length);
  if (TakeOne(faults_.failSets) || !Accept(report, length)) return false;
  const int address = AddressOf(report);
  switch (report[1]) {
    case kRead:
      if (address >= kVirtualRegisterCount) return false;
      pendingRead_ = address;
      return true;
    case kWrite:
      if (address >= kVirtualRegisterCount) return false;
      Write(address, report[3]);
      return true;
    case kControl:
      controls_.push_back({report[2], report[3], report[4]});
      return true;
    default:
      return false;
  }
}

bool VirtualMirel::GetFeature(std::uint8_t* report, std::size_t length) {
  ++getCalls_;
  if (TakeOne(faults_.failGets) || !Accept(report, length) || !pendingRead_) return false;
  const int address = *pendingRead_;
  pendingRead_.reset();
  const int echoed = TakeOne(faults_.wrongEchoes) ? (address + 1) % kVirtualRegisterCount : address;
  report[1] = static_cast<std::uint8_t>(echoed & 0xFF);
  report[2] = registers_[Index(address)];
  report[3] = static_cast<std::uint8_t>(echoed >> 8);
  return true;
}

void VirtualMirel::Write(int address, std::uint8_t value) {
  registers_[Index(address)] = value;
  if (!stateFile_.empty()) SaveState(stateFile_);
}

bool VirtualMirel::SetFault(std::string_view name, int count) {
  if (count < 0) return false;
  if (name == "fail-set") faults_.failSets = count;
  else if (name == "fail-get") faults_.failGets = count;
  else if (name == "wrong-echo") faults_.wrongEchoes = count;
  else if (name == "fail-open") faults_.failOpens = count;
  else if (name == "latency-ms") faults_.latency = std::chrono::milliseconds(count);
  else return false;
  return true;
}

bool VirtualMirel::TakeOpenFault() { return TakeOne(faults_.failOpens); }

bool VirtualMirel::SaveState(const std::filesystem::path& file) const {
  // Written beside the target and renamed over it, so an interrupted save
  // leaves the previous state rather than a torn file.
  std::filesystem::path temporary = file;
  temporary += ".new";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    const auto bytes = EncodeStateFile(registers_);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) return false;
  }
  std::error_code error;
  std::filesystem::rename(temporary, file, error);
  return !error;
}

std::optional<std::string> VirtualMirel::LoadState(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return "cannot open " + file.string();
  std::vector<std::uint8_t> bytes(kReadLimit);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  std::string reason;
  const auto image = DecodeStateFile(bytes, reason);
  if (!image) return file.string() + ": " + reason;
  registers_ = *image;
  return std::nullopt;
}

std::optional<std::string> VirtualMirel::AttachStateFile(const std::filesystem::path& file) {
  std::error_code error;
  if (!std::filesystem::exists(file, error)) {
    if (!SaveState(file)) return "cannot write " + file.string();
    stateFile_ = file;
    return std::nullopt;
  }
  // A file that is not a state file is left alone, never overwritten: the
  // name may point at something else the user keeps.
  auto failure = LoadState(file);
  if (!failure) stateFile_ = file;
  return failure;
}
