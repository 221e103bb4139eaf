// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

// The game's flags are 16-bit integers with true = -1 and false = 0, tested for equality with
// true. Keeping that representation lets any value other than -1 read as "not true", exactly as
// the rules test them.

namespace quibbet {

using Boolean = std::int16_t;

inline constexpr Boolean kTrue = -1;
inline constexpr Boolean kFalse = 0;

constexpr bool IsTrue(Boolean b) {
  return b == kTrue;
}
constexpr Boolean ToBoolean(bool b) {
  return b ? kTrue : kFalse;
}

}  // namespace quibbet
