// The registers read from the mouse when it connects, in reading order:
// what the settings page shows, plus the option and profile registers.
#pragma once

#include <array>
#include <cstdint>

inline constexpr int kLoadListCount = 113;

using LoadList = std::array<std::uint16_t, kLoadListCount>;

namespace load_list_detail {

constexpr void AppendRange(LoadList& list, int& at, int first, int last) {
  for (int r = first; r <= last; ++r) list[at++] = static_cast<std::uint16_t>(r);
}

constexpr LoadList Build() {
  LoadList list{};
  int at = 0;
  AppendRange(list, at, 0x00, 0x02);  // profile 0 level and first group
  AppendRange(list, at, 0x06, 0x06);  // option register
  for (int base : {0x07, 0x39, 0x6B}) {  // button blocks of profiles 1..3
    AppendRange(list, at, base + 1, base + 6);
    AppendRange(list, at, base + 14, base + 37);
  }
  AppendRange(list, at, 0xA6, 0xA7);
  AppendRange(list, at, 0x122D, 0x122E);  // profile 0 second group
  for (int level : {0x1212, 0x121B, 0x1224}) {  // profiles 1..3 sensitivity
    AppendRange(list, at, level, level + 2);
    AppendRange(list, at, level + 5, level + 6);
  }
  return list;
}

}  // namespace load_list_detail

inline constexpr LoadList kLoadList = load_list_detail::Build();
static_assert(kLoadList[112] == 0x122A, "the load list fills exactly its 113 places");
