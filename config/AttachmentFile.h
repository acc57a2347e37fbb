// The attachment file (".ATT") beside a profile file: the profile's display
// name and the file name of its picture, each as UTF-16LE with its
// terminator, counted in code units.
//
//   0  0x2B 0x0E
//   2  n1: code units of the name with its terminator (0 = no name)
//   3  n2: the same for the picture file name (0 or 1 = no picture)
//   4  name, then picture file name
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// What the reader keeps of each text, terminator included.
inline constexpr std::size_t kAttachmentNameUnits = 64;
inline constexpr std::size_t kAttachmentPictureUnits = 128;

// Empty when the picture name does not fit what a reader keeps (128 code
// units with the terminator): such a file would name another picture.
std::optional<std::vector<std::uint8_t>> WriteAttachmentBytes(const std::wstring& name,
                                                              const std::wstring& picture);

struct AttachmentContents {
  std::optional<std::wstring> name;     // empty: the default name
  std::optional<std::wstring> picture;  // empty: the default picture
};

// Empty for a file that is not an attachment or ends before what it
// announces. Texts longer than the reader keeps are cut. A picture name
// that is not a plain file name (a folder separator, a drive, "." or "..")
// counts as no picture, so an attachment never names a file outside the
// folders the program copies between.
std::optional<AttachmentContents> ReadAttachmentBytes(std::span<const std::uint8_t> file);

bool IsPlainFileName(const std::wstring& name);
