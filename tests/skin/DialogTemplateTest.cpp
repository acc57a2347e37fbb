#include "skin/DialogTemplate.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

// Writes an extended dialog template the way the resource compiler lays
// it out, so that the tests can also write the unusual parts.
class CTemplateWriter {
 public:
  CTemplateWriter& Word(std::uint16_t value) {
    bytes.push_back(static_cast<std::uint8_t>(value));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
    return *this;
  }
  CTemplateWriter& Dword(std::uint32_t value) {
    return Word(static_cast<std::uint16_t>(value)).Word(static_cast<std::uint16_t>(value >> 16));
  }
  CTemplateWriter& Rect(int x, int y, int cx, int cy) {
    for (int v : {x, y, cx, cy}) Word(static_cast<std::uint16_t>(v));
    return *this;
  }
  CTemplateWriter& String(const std::u16string& text) {
    for (char16_t c : text) Word(c);
    return Word(0);
  }
  CTemplateWriter& Align() {
    while (bytes.size() % 4 != 0) bytes.push_back(0);
    return *this;
  }
  std::vector<std::uint8_t> bytes;
};

constexpr std::uint32_t kSetFont = 0x40;

// A dialog with a font, a predefined-class button, a control of a
// registered class with an ordinal text and creation data, and a static
// placed left of the dialog's edge.
std::vector<std::uint8_t> ThreeControls(std::uint32_t style = kSetFont,
                                        std::uint16_t creationSize = 3,
                                        const std::u16string& face = u"PMingLiU") {
  CTemplateWriter w;
  w.Word(1).Word(0xFFFF).Dword(0).Dword(0).Dword(style).Word(3).Rect(0, 0, 169, 100);
  w.Word(0).Word(0).String(u"Title");
  if (style & kSetFont) w.Word(9).Word(700).Word(0x0101).String(face);
  w.Align().Dword(0).Dword(0).Dword(0x50010000).Rect(50, 78, 50, 14).Dword(1);
  w.Word(0xFFFF).Word(0x0080).String(u"OK").Word(0);
  w.Align().Dword(0).Dword(0).Dword(0x50000000).Rect(68, 18, 77, 14).Dword(1699);
  w.String(u"Mirel-CmdLst-Input").Word(0xFFFF).Word(5).Word(creationSize);
  w.bytes.insert(w.bytes.end(), {0xAA, 0xBB, 0xCC});
  w.Align().Dword(0).Dword(0).Dword(0x50000000).Rect(-2, 20, 30, 8).Dword(0xFFFFFFFF);
  w.Word(0xFFFF).Word(0x0082).String(u"延遲:").Word(0);
  return w.bytes;
}

TEST(DialogTemplate, ReadsSizeFontAndControlsInTemplateOrder) {
  const auto dialog = ParseDialogTemplate(ThreeControls());
  ASSERT_TRUE(dialog.has_value());
  EXPECT_EQ(dialog->rect, (SDialogRect{0, 0, 169, 100}));
  EXPECT_EQ(dialog->title, u"Title");
  EXPECT_EQ(dialog->LayoutFont(), (SDialogFont{u"PMingLiU", 9, 700, true}));
  ASSERT_EQ(dialog->items.size(), 3u);

  const SDialogItem& ok = dialog->items[0];
  EXPECT_EQ(ok.id, 1u);
  EXPECT_EQ(ok.style, 0x50010000u);
  EXPECT_EQ(ok.rect, (SDialogRect{50, 78, 50, 14}));
  EXPECT_EQ(ok.classOrdinal, 0x80);
  EXPECT_EQ(ok.text, u"OK");

  const SDialogItem& field = dialog->items[1];
  EXPECT_EQ(field.className, u"Mirel-CmdLst-Input");
  EXPECT_EQ(field.classOrdinal, 0);
  EXPECT_EQ(field.text, u"");

  const SDialogItem& label = dialog->items[2];
  EXPECT_EQ(label.id, 0xFFFFFFFFu);
  EXPECT_EQ(label.rect.x, -2);
  EXPECT_EQ(label.text, u"延遲:");
  EXPECT_EQ(dialog->Find(1699), &field);
  EXPECT_EQ(dialog->Find(7), nullptr);
}

TEST(DialogTemplate, WithoutAFontItIsLaidOutInTahoma8) {
  for (const auto& bytes : {ThreeControls(0), ThreeControls(kSetFont, 3, u"")}) {
    const auto dialog = ParseDialogTemplate(bytes);
    ASSERT_TRUE(dialog.has_value());
    EXPECT_FALSE(dialog->font.has_value());
    EXPECT_EQ(dialog->LayoutFont(), (SDialogFont{u"Tahoma", 8, 400, false}));
    EXPECT_EQ(dialog->items.size(), 3u);
  }
}

TEST(DialogTemplate, EveryTruncationIsRefused) {
  const std::vector<std::uint8_t> whole = ThreeControls();
  for (std::size_t size = 0; size < whole.size(); ++size) {
    SCOPED_TRACE(size);
    const std::vector<std::uint8_t> part(whole.begin(), whole.begin() + size);
    EXPECT_FALSE(ParseDialogTemplate(part).has_value());
  }
}

std::vector<std::uint8_t> Patched(std::size_t at, std::uint8_t value) {
  std::vector<std::uint8_t> bytes = ThreeControls();
  bytes[at] = value;
  return bytes;
}

TEST(DialogTemplate, RefusesWhatIsNotAWholeExtendedTemplate) {
  struct Case {
    const char* what;
    std::vector<std::uint8_t> bytes;
  };
  const Case cases[] = {
      {"version 2", Patched(0, 2)},
      {"plain template without the 0xFFFF signature", Patched(2, 0)},
      {"more controls than the bytes hold", Patched(16, 4)},
      {"creation data running past the end", ThreeControls(kSetFont, 0x7FFF)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_FALSE(ParseDialogTemplate(c.bytes).has_value());
  }
}

}  // namespace
