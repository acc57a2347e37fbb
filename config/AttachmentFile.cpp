#include "config/AttachmentFile.h"

namespace {

constexpr std::uint8_t kMagic0 = 0x2B;
constexpr std::uint8_t kMagic1 = 0x0E;

void AppendText(std::vector<std::uint8_t>& file, const std::wstring& text) {
  for (wchar_t c : text) {
    file.push_back(static_cast<std::uint8_t>(c & 0xFF));
    file.push_back(static_cast<std::uint8_t>((c >> 8) & 0xFF));
  }
  file.push_back(0);
  file.push_back(0);
}

// `units` code units from `at`, up to the first terminator and at most
// `keep` − 1 of them.
std::wstring TextAt(std::span<const std::uint8_t> file, std::size_t at, std::size_t units,
                    std::size_t keep) {
  std::wstring text;
  for (std::size_t i = 0; i < units && text.size() + 1 < keep; ++i) {
    const auto c = static_cast<wchar_t>(file[at + 2 * i] | (file[at + 2 * i + 1] << 8));
    if (c == 0) break;
    text += c;
  }
  return text;
}

}  // namespace

bool IsPlainFileName(const std::wstring& name) {
  if (name.empty() || name == L"." || name == L"..") return false;
  return name.find_first_of(L"\\/:") == std::wstring::npos;
}

std::optional<std::vector<std::uint8_t>> WriteAttachmentBytes(const std::wstring& name,
                                                              const std::wstring& picture) {
  if (picture.size() + 1 > kAttachmentPictureUnits || name.size() + 1 > kAttachmentNameUnits)
    return std::nullopt;
  std::vector<std::uint8_t> file{kMagic0, kMagic1, static_cast<std::uint8_t>(name.size() + 1),
                                 static_cast<std::uint8_t>(picture.size() + 1)};
  AppendText(file, name);
  AppendText(file, picture);
  return file;
}

std::optional<AttachmentContents> ReadAttachmentBytes(std::span<const std::uint8_t> file) {
  if (file.size() < 4 || file[0] != kMagic0 || file[1] != kMagic1) return std::nullopt;
  const std::size_t n1 = file[2];
  const std::size_t n2 = file[3];
  if (file.size() < 4 + 2 * (n1 + n2)) return std::nullopt;
  AttachmentContents contents;
  if (n1 > 0) contents.name = TextAt(file, 4, n1, kAttachmentNameUnits);
  if (n2 > 1) {
    std::wstring picture = TextAt(file, 4 + 2 * n1, n2, kAttachmentPictureUnits);
    if (IsPlainFileName(picture)) contents.picture = std::move(picture);
  }
  return contents;
}
