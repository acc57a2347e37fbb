// What a window needs from its own extended dialog template (the resource
// that DIALOGEX compiles to): its size, font and every control, in template
// order. Kept free of the platform so that malformed resources are tested
// without a window.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "skin/DialogUnits.h"

struct SDialogFont {
  std::u16string face;
  int points = 0;
  int weight = 0;
  bool italic = false;
  bool operator==(const SDialogFont&) const = default;
};

struct SDialogItem {
  std::uint32_t id = 0;
  std::uint32_t style = 0;
  SDialogRect rect;
  // A registered class by name, or one of the system's predefined classes
  // by its ordinal (0x80 button, 0x81 edit, 0x82 static, 0x83 list box,
  // 0x84 scroll bar, 0x85 combo box); the other one is empty or 0.
  std::u16string className;
  std::uint16_t classOrdinal = 0;
  // Empty when the text is given as a resource ordinal.
  std::u16string text;
};

struct SDialogTemplate {
  std::uint32_t style = 0;
  SDialogRect rect;
  std::u16string title;
  std::optional<SDialogFont> font;
  std::vector<SDialogItem> items;

  // The font that lays the dialog out: its own, or Tahoma 8 when it names none.
  SDialogFont LayoutFont() const;
  // The first control with `id`, or null.
  const SDialogItem* Find(std::uint32_t id) const;
};

// Reads an extended dialog template; nullopt when the bytes are not one,
// or end before its last control does.
std::optional<SDialogTemplate> ParseDialogTemplate(std::span<const std::uint8_t> bytes);
