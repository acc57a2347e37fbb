#include "device/HidClient.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace {

constexpr std::u16string_view kCollection3 = u"&mi_01&col03";
constexpr std::u16string_view kNoString = u" ";
constexpr std::uint16_t kBadNumber = 0xFFFF;

constexpr std::array<std::uint16_t, 6> kQuorlVendors = {0x3E71, 0x5D93, 0x2F1A,
                                                        0x4B07, 0x6C38, 0x7A52};

std::u16string Ascii(const char* text) { return std::u16string(text, text + std::char_traits<char>::length(text)); }

std::u16string IdText(std::uint16_t vid, std::uint16_t pid) {
  char text[32];
  std::snprintf(text, sizeof text, "VID=%04X, PID=%04X", unsigned{vid}, unsigned{pid});
  return Ascii(text);
}

// The system query uses a 128-byte buffer; a missing string reads as " ".
std::u16string StringOrSpace(const std::optional<std::u16string>& text) {
  if (!text || text->empty()) return std::u16string(kNoString);
  return text->substr(0, kHidStringUnits);
}

bool IsRow(const SUsbId* ids, int idCount, const HidAttributes& a) {
  if (ids == nullptr || idCount <= 0) return false;
  return std::any_of(ids, ids + idCount,
                     [&](const SUsbId& id) { return id.VID == a.vendorId && id.PID == a.productId; });
}

bool InWindow(std::uint16_t minVersion, std::uint16_t maxVersion, const HidAttributes& a) {
  return minVersion <= a.version && a.version <= maxVersion;
}

// Each Id2 text has its own buffer, shared by all instances.
enum SharedSlot { kProductSlot, kManufacturerSlot, kIdSlot };
const char16_t* Share(SharedSlot slot, std::u16string text) {
  static std::array<std::u16string, 3> buffers;
  buffers[slot] = std::move(text);
  return buffers[slot].c_str();
}

}  // namespace

CHidClient::CHidClient(HidPort& hid, Notice notice)
    : hid_(&hid), notice_(std::move(notice)), librariesLoaded_(hid.Available()) {}

int CHidClient::LoadDll() { return hid_->Load() ? 1 : 0; }

int CHidClient::BuildTable(HidClass cls, bool skipCollection3, const Accept& accept) {
  count_ = 0;
  if (!librariesLoaded_) return 0;
  interfaceClass_ = cls;
  const auto paths = hid_->EnumerateInterfaces(cls, kMaxDevices);
  if (!paths) return 0;
  for (const std::u16string& path : *paths) {
    if (count_ == kMaxDevices) break;
    if (skipCollection3 && path.find(kCollection3) != std::u16string::npos) continue;
    if (path.size() >= kPathCapacity) continue;
    const HidHandle handle = hid_->Open(path, HidAccess::QueryOnly);
    if (handle == kInvalidHidHandle) continue;
    const auto attributes = hid_->GetAttributes(handle);
    if (attributes && accept(*attributes)) AddEntry(path, *attributes, handle);
    hid_->Close(handle);
  }
  return count_ > 0 ? 1 : 0;
}

void CHidClient::AddEntry(const std::u16string& path, const HidAttributes& a, HidHandle handle) {
  const auto i = static_cast<std::size_t>(count_);
  paths_[i] = path;
  products_[i] = StringOrSpace(hid_->GetProductString(handle));
  manufacturers_[i] = StringOrSpace(hid_->GetManufacturerString(handle));
  ids_[i] = IdText(a.vendorId, a.productId);
  versions_[i] = a.version;
  vids_[i] = a.vendorId;
  pids_[i] = a.productId;
  ++count_;
}

int CHidClient::CreateDeviceTable(std::uint16_t vid, std::uint16_t pid, bool flag) {
  const bool any = vid == 0 && pid == 0;
  const bool hidClass = (!flag && any) || (vid == 0x0C45 && pid == 0x7500);
  return BuildTable(hidClass ? HidClass::Hid : HidClass::Mouse, false,
                    [&](const HidAttributes& a) {
                      return any || (a.vendorId == vid && a.productId == pid);
                    });
}

int CHidClient::CreateDeviceTable(const SUsbId* ids, int idCount) {
  return BuildTable(HidClass::Mouse, true,
                    [&](const HidAttributes& a) { return IsRow(ids, idCount, a); });
}

int CHidClient::CreateDeviceTable(const SUsbId* ids, int idCount, std::uint16_t minVersion,
                                  std::uint16_t maxVersion) {
  return BuildTable(HidClass::Mouse, true, [&](const HidAttributes& a) {
    return InWindow(minVersion, maxVersion, a) && IsRow(ids, idCount, a);
  });
}

int CHidClient::CreateDeviceTable(const SUsbId* ids, int idCount, std::uint16_t minVersion,
                                  std::uint16_t maxVersion, std::uint16_t version) {
  return BuildTable(HidClass::Mouse, true, [&](const HidAttributes& a) {
    const bool sameFamily = (a.version >> 8) == (version >> 8);
    return IsRow(ids, idCount, a) && (sameFamily || InWindow(minVersion, maxVersion, a));
  });
}

int CHidClient::CreateDeviceTable(const std::uint16_t* versions, int count) {
  return BuildTable(HidClass::Mouse, false, [&](const HidAttributes& a) {
    return versions != nullptr && count > 0 && std::find(versions, versions + count, a.version) != versions + count;
  });
}

const char16_t* CHidClient::GetDevice(int i) const {
  return Valid(i) ? paths_[static_cast<std::size_t>(i)].c_str() : nullptr;
}
const char16_t* CHidClient::GetDeviceName(int i) const {
  return Valid(i) ? products_[static_cast<std::size_t>(i)].c_str() : nullptr;
}
const char16_t* CHidClient::GetVendorName(int i) const {
  return Valid(i) ? manufacturers_[static_cast<std::size_t>(i)].c_str() : nullptr;
}
const char16_t* CHidClient::GetDeviceID(int i) const {
  return Valid(i) ? ids_[static_cast<std::size_t>(i)].c_str() : nullptr;
}
std::uint16_t CHidClient::GetDeviceVID(int i) const {
  return Valid(i) ? vids_[static_cast<std::size_t>(i)] : kBadNumber;
}
std::uint16_t CHidClient::GetDevicePID(int i) const {
  return Valid(i) ? pids_[static_cast<std::size_t>(i)] : kBadNumber;
}
std::uint16_t CHidClient::GetDeviceVer(int i) const {
  return Valid(i) ? versions_[static_cast<std::size_t>(i)] : kBadNumber;
}

HidHandle CHidClient::Open(int i) {
  return Valid(i) ? hid_->Open(paths_[static_cast<std::size_t>(i)], HidAccess::Write)
                  : kInvalidHidHandle;
}

int CHidClient::Close(HidHandle handle) {
  return handle != kInvalidHidHandle && hid_->Close(handle) ? 1 : 0;
}

std::uint32_t CHidClient::Read(HidHandle handle, void* buffer) {
  if (handle == kInvalidHidHandle) return 0;
  const auto read = hid_->ReadInput(handle, static_cast<std::uint8_t*>(buffer), kReadSize);
  return read ? static_cast<std::uint32_t>(*read) : 0;
}

template <class Request>
int CHidClient::OnEntry(int i, Request request) {
  if (count_ == 0) CreateDeviceTable(0, 0, false);
  if (!Valid(i)) return 0;
  const HidHandle handle = Open(i);
  if (handle == kInvalidHidHandle) {
    if (notice_) notice_(paths_[static_cast<std::size_t>(i)], u"Open failed");
    return 0;
  }
  const bool done = request(handle);
  hid_->Close(handle);
  return done ? 1 : 0;
}

int CHidClient::Write(int i, void* report, std::uint32_t length) {
  return OnEntry(i, [&](HidHandle h) {
    return hid_->SetFeature(h, static_cast<const std::uint8_t*>(report), length);
  });
}

int CHidClient::Read(int i, void* report, std::uint32_t length) {
  return OnEntry(i, [&](HidHandle h) {
    return hid_->GetFeature(h, static_cast<std::uint8_t*>(report), length);
  });
}

int CHidClient::ReadInputReport(int i, void* buffer, std::uint32_t& length) {
  return OnEntry(i, [&](HidHandle h) {
    const auto read = hid_->ReadInput(h, static_cast<std::uint8_t*>(buffer), length);
    if (read) length = static_cast<std::uint32_t>(*read);
    return read.has_value();
  });
}

int CHidClient::RegisterNotify(HidWindow window) {
  const HidNotifyHandle handle = hid_->RegisterNotify(window, interfaceClass_);
  if (handle == 0) return 0;
  notifyHandle_ = handle;
  notifyWindow_ = window;
  return 1;
}

int CHidClient::UnRegisterNotify() {
  if (notifyHandle_ == 0 || !hid_->UnregisterNotify(notifyHandle_)) return 0;
  notifyHandle_ = 0;
  notifyWindow_ = 0;
  return 1;
}

int CHidClient::ReRegisterNotify(HidWindow window) {
  if (notifyHandle_ != 0) {
    if (!hid_->UnregisterNotify(notifyHandle_)) return 0;
    notifyHandle_ = 0;
  }
  notifyHandle_ = hid_->RegisterNotify(window, interfaceClass_);
  return notifyHandle_ != 0 ? 1 : 0;
}

int CHidClient::RecoverRegisterNotify() {
  if (notifyHandle_ != 0) {
    if (!hid_->UnregisterNotify(notifyHandle_)) return 0;
    notifyHandle_ = 0;
  }
  if (notifyWindow_ == 0) return 1;
  notifyHandle_ = hid_->RegisterNotify(notifyWindow_, interfaceClass_);
  return notifyHandle_ != 0 ? 1 : 0;
}

const char16_t* CHidClient::Id2ProductString(HidHandle handle) {
  return Share(kProductSlot, StringOrSpace(hid_->GetProductString(handle)));
}

const char16_t* CHidClient::Id2ManufactureString(HidHandle handle) {
  return Share(kManufacturerSlot, StringOrSpace(hid_->GetManufacturerString(handle)));
}

const char16_t* CHidClient::Id2String(std::uint16_t vid, std::uint16_t pid) {
  return Share(kIdSlot, IdText(vid, pid));
}

int CHidClient::IsQuorlProduct(std::uint16_t vid, std::uint16_t) {
  return std::find(kQuorlVendors.begin(), kQuorlVendors.end(), vid) != kQuorlVendors.end() ? 1 : 0;
}

void CHidClient::ShowCurrentTable(int kind) {
  std::u16string listing;
  for (std::size_t i = 0; i < static_cast<std::size_t>(count_); ++i) {
    char head[48];
    std::snprintf(head, sizeof head, "%zu: version %04X  ", i, unsigned{versions_[i]});
    listing += Ascii(head) + ids_[i] + u"  " + products_[i] + u" / " + manufacturers_[i] + u"\n";
    if (kind != 0) listing += u"    " + paths_[i] + u"\n";
  }
  if (listing.empty()) listing = u"(no device)";
  if (notice_) notice_(listing, u"HID DEVICE LIST");
}
