#include "config/ProfileFile.h"

#include <array>

#include "config/RegisterMap.h"
#include "config/ScriptMap.h"
#include "config/Sensitivity.h"

namespace {

constexpr std::uint8_t kMagic0 = 0x6D;
constexpr std::uint8_t kMagic1 = 0x54;
constexpr std::uint8_t kWrittenVersion = 4;
constexpr int kMacroAreaBytes = kMacroAreaSize * kMacroAreasPerProfile;
constexpr int kSensitivityBytes = 9;
constexpr int kScriptHeaderBytes = 4;

// The standard profile's buttons are fixed; its block carries them so a
// file of it reads like any other.
constexpr std::array<std::uint8_t, kButtonBlockSize> StandardButtonBlock() {
  std::array<std::uint8_t, kButtonBlockSize> block{};
  for (int i = 0; i <= 4; ++i) block[static_cast<std::size_t>(i)] = 0x01;
  block[5] = 0x11;
  block[6] = 0x12;
  block[7] = 0x04;
  block[10] = 0x01;
  block[14] = 0x02;
  block[18] = 0x04;
  block[22] = 0x08;
  block[26] = 0x10;
  block[38] = 0x01;
  block[39] = 0x03;
  block[40] = 0x03;
  block[41] = 0x01;
  return block;
}
constexpr auto kStandardButtonBlock = StandardButtonBlock();

std::uint8_t ProfileFlagBit(int profile) { return static_cast<std::uint8_t>(0x10 << profile); }

int ScriptLength(const ScriptRegisters& s, const RegisterReader& cache) {
  return cache(s.lengthLow) + 256 * cache(s.lengthHigh);
}

// A bounds-checked cursor over the payload: every take fails rather than
// read past the end.
class PayloadReader {
 public:
  explicit PayloadReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  bool Take(std::size_t count, std::span<const std::uint8_t>& out) {
    if (bytes_.size() - at_ < count) return false;
    out = bytes_.subspan(at_, count);
    at_ += count;
    return true;
  }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t at_ = 0;
};

void StoreRun(std::vector<RegisterValue>& stores, int first, std::span<const std::uint8_t> bytes) {
  for (std::size_t i = 0; i < bytes.size(); ++i)
    stores.push_back({first + static_cast<int>(i), bytes[i]});
}

}  // namespace

std::uint8_t ScriptMaskOf(int profile, const RegisterReader& cache) {
  if (!IsCustomProfile(profile)) return 0;
  std::uint8_t mask = 0;
  for (int r = ButtonBlockBase(profile); r < ButtonBlockBase(profile) + 8; ++r) {
    if (auto script = ScriptOfFunctionCode(cache(r))) mask = static_cast<std::uint8_t>(mask | (1 << *script));
  }
  return mask;
}

std::vector<int> SensitivityExtensionRegisters(int profile) {
  const SensitivityRegisters regs = SensitivityRegistersOf(profile);
  std::vector<int> list{regs.level};
  for (int i = 0; i < 4; ++i) list.push_back(regs.first[0] + i);
  for (int i = 0; i < 4; ++i) list.push_back(regs.second[0] + i);
  return list;
}

std::optional<std::vector<std::uint8_t>> WriteProfileFileBytes(int profile,
                                                               const RegisterReader& cache) {
  if (profile < 0 || profile > 3) return std::nullopt;
  const bool custom = IsCustomProfile(profile);
  const std::uint8_t mask = ScriptMaskOf(profile, cache);
  std::vector<std::uint8_t> file{kMagic0, kMagic1, kWrittenVersion, 0, 0};
  file.push_back(custom && (cache(kProfileRegister) & ProfileFlagBit(profile)) ? 1 : 0);
  file.push_back(mask);
  for (int i = 0; i < kButtonBlockSize; ++i)
    file.push_back(custom ? cache(ButtonBlockBase(profile) + i) : kStandardButtonBlock[static_cast<std::size_t>(i)]);
  for (int i = 0; i < kMacroAreaBytes; ++i)
    file.push_back(custom ? cache(MacroBlockBase(profile) + i) : 0);
  for (int s = 0; s < kScriptCount; ++s) {
    if (!(mask & (1 << s))) continue;
    const ScriptRegisters& script = kScripts[static_cast<std::size_t>(s)];
    for (int r : {script.mode, script.lengthLow, script.lengthHigh, script.delayUnits})
      file.push_back(cache(r));
    const int length = ScriptLength(script, cache);
    if (length > script.capacity) continue;
    for (int i = 0; i < length; ++i) file.push_back(cache(script.dataStart + i));
  }
  for (int r : SensitivityExtensionRegisters(profile)) file.push_back(cache(r));
  const std::size_t payload = file.size() - kProfileFileHeaderSize;
  file[3] = static_cast<std::uint8_t>(payload & 0xFF);
  file[4] = static_cast<std::uint8_t>(payload >> 8);
  return file;
}

std::uint8_t WithProfileFlag(std::uint8_t profileRegister, int profile, bool set) {
  const std::uint8_t bit = ProfileFlagBit(profile);
  return static_cast<std::uint8_t>(set ? profileRegister | bit : profileRegister & ~bit);
}

std::optional<ProfileFileContents> ReadProfileFileBytes(int profile,
                                                        std::span<const std::uint8_t> file) {
  if (profile < 0 || profile > 3 || file.size() < kProfileFileHeaderSize) return std::nullopt;
  const std::uint8_t version = file[2];
  if (file[0] != kMagic0 || file[1] != kMagic1 || (version != 2 && version != 4))
    return std::nullopt;
  const std::size_t payloadLength = file[3] + 256u * file[4];
  if (payloadLength > kProfileFileBufferSize - kProfileFileHeaderSize ||
      file.size() - kProfileFileHeaderSize < payloadLength)
    return std::nullopt;
  PayloadReader payload(file.subspan(kProfileFileHeaderSize, payloadLength));

  ProfileFileContents contents;
  std::vector<RegisterValue>& stores = contents.stores;
  const bool custom = IsCustomProfile(profile);
  const std::uint8_t flag = file[5];
  const std::uint8_t mask = file[6];
  std::span<const std::uint8_t> block, macros;
  if (!payload.Take(kButtonBlockSize, block) || !payload.Take(kMacroAreaBytes, macros))
    return std::nullopt;
  if (custom) {
    contents.profileFlag = flag != 0;
    StoreRun(stores, ButtonBlockBase(profile), block);
    StoreRun(stores, MacroBlockBase(profile), macros);
  }
  for (int s = 0; s < kScriptCount; ++s) {
    if (!(mask & (1 << s))) continue;
    const ScriptRegisters& script = kScripts[static_cast<std::size_t>(s)];
    std::span<const std::uint8_t> header, data;
    if (!payload.Take(kScriptHeaderBytes, header)) return std::nullopt;
    stores.push_back({script.mode, header[0]});
    stores.push_back({script.lengthLow, header[1]});
    stores.push_back({script.lengthHigh, header[2]});
    stores.push_back({script.delayUnits, header[3]});
    const int length = header[1] + 256 * header[2];
    if (length > script.capacity) continue;
    if (!payload.Take(static_cast<std::size_t>(length), data)) return std::nullopt;
    StoreRun(stores, script.dataStart, data);
  }
  if (version == 4) {
    std::span<const std::uint8_t> sensitivity;
    if (!payload.Take(kSensitivityBytes, sensitivity)) return std::nullopt;
    const std::vector<int> regs = SensitivityExtensionRegisters(profile);
    for (std::size_t i = 0; i < regs.size(); ++i) stores.push_back({regs[i], sensitivity[i]});
  }
  return contents;
}
