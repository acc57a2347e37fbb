#include "skin/DialogTemplate.h"

namespace {

constexpr std::uint32_t kSetFont = 0x40;  // DS_SETFONT; DS_SHELLFONT includes it
constexpr std::uint16_t kVersion = 1;
constexpr std::uint16_t kExtendedSignature = 0xFFFF;
constexpr std::uint16_t kOrdinalMark = 0xFFFF;

// Little-endian reads that fail, rather than read past the end, when the
// bytes run out; once failed, every later read fails too.
class CTemplateReader {
 public:
  explicit CTemplateReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  bool Ok() const { return ok_; }

  std::uint8_t Byte() { return Has(1) ? bytes_[at_++] : 0; }

  std::uint16_t Word() {
    const std::uint16_t low = Byte();
    return static_cast<std::uint16_t>(low | (Byte() << 8));
  }

  std::uint32_t Dword() {
    const std::uint32_t low = Word();
    return low | (static_cast<std::uint32_t>(Word()) << 16);
  }

  int Short() { return static_cast<std::int16_t>(Word()); }

  std::u16string String() {
    std::u16string text;
    for (char16_t c = Word(); ok_ && c != 0; c = Word()) text.push_back(c);
    return text;
  }

  // A name, an ordinal after the mark 0xFFFF, or nothing (a lone 0).
  void NameOrOrdinal(std::u16string& name, std::uint16_t& ordinal) {
    const std::uint16_t first = Word();
    if (first == kOrdinalMark) {
      ordinal = Word();
    } else if (first != 0) {
      name.assign(1, static_cast<char16_t>(first));
      name += String();
    }
  }

  void Skip(std::size_t count) {
    if (Has(count)) at_ += count;
  }

  // Controls start on a 4-byte boundary of the template.
  void AlignToDword() { Skip((4 - at_ % 4) % 4); }

 private:
  bool Has(std::size_t count) {
    ok_ = ok_ && count <= bytes_.size() - at_;
    return ok_;
  }

  std::span<const std::uint8_t> bytes_;
  std::size_t at_ = 0;
  bool ok_ = true;
};

SDialogRect ReadRect(CTemplateReader& reader) {
  SDialogRect rect;
  rect.x = reader.Short();
  rect.y = reader.Short();
  rect.cx = reader.Short();
  rect.cy = reader.Short();
  return rect;
}

SDialogFont ReadFont(CTemplateReader& reader) {
  SDialogFont font;
  font.points = reader.Word();
  font.weight = reader.Word();
  font.italic = reader.Byte() != 0;
  reader.Byte();  // character set: the font is created for any
  font.face = reader.String();
  return font;
}

SDialogItem ReadItem(CTemplateReader& reader) {
  SDialogItem item;
  reader.AlignToDword();
  reader.Dword();  // help id
  reader.Dword();  // extended style
  item.style = reader.Dword();
  item.rect = ReadRect(reader);
  item.id = reader.Dword();
  reader.NameOrOrdinal(item.className, item.classOrdinal);
  std::uint16_t textOrdinal = 0;
  reader.NameOrOrdinal(item.text, textOrdinal);
  reader.Skip(reader.Word());  // creation data
  return item;
}

}  // namespace

std::optional<SDialogTemplate> ParseDialogTemplate(std::span<const std::uint8_t> bytes) {
  CTemplateReader reader(bytes);
  if (reader.Word() != kVersion || reader.Word() != kExtendedSignature) return std::nullopt;
  SDialogTemplate dialog;
  reader.Dword();  // help id
  reader.Dword();  // extended style
  dialog.style = reader.Dword();
  const int count = reader.Word();
  dialog.rect = ReadRect(reader);
  std::u16string name;
  std::uint16_t ordinal = 0;
  reader.NameOrOrdinal(name, ordinal);  // menu
  reader.NameOrOrdinal(name, ordinal);  // window class
  dialog.title = reader.String();
  if (dialog.style & kSetFont) {
    // A font without a face name would be the system's whim: count it as none.
    SDialogFont font = ReadFont(reader);
    if (!font.face.empty()) dialog.font = font;
  }
  for (int i = 0; i < count && reader.Ok(); ++i) dialog.items.push_back(ReadItem(reader));
  if (!reader.Ok()) return std::nullopt;
  return dialog;
}

SDialogFont SDialogTemplate::LayoutFont() const {
  return font.value_or(SDialogFont{u"Tahoma", 8, 400, false});
}

const SDialogItem* SDialogTemplate::Find(std::uint32_t id) const {
  for (const SDialogItem& item : items) {
    if (item.id == id) return &item;
  }
  return nullptr;
}
