// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string_view>

// What the name box counts a name in, for a name held as UTF-8.

namespace quibbet {

// The UTF-16 units of the character that a byte of valid UTF-8 starts: a four-byte character is
// a surrogate pair, any other one unit; a continuation byte starts none.
inline std::size_t Utf16UnitsStartedBy(char byte) {
  const auto b = static_cast<unsigned char>(byte);
  if ((b & 0xC0) == 0x80) {
    return 0;
  }
  return b >= 0xF0 ? 2 : 1;
}

inline std::size_t Utf16Units(std::string_view utf8) {
  std::size_t units = 0;
  for (char c : utf8) {
    units += Utf16UnitsStartedBy(c);
  }
  return units;
}

}  // namespace quibbet
