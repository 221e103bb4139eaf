// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

// Colours are 32-bit values written &H00BBGGRR, compared as exact values: a block's kind is its
// fill colour, so these constants are the game's vocabulary of block kinds.

namespace quibbet {

using Colour = std::uint32_t;

inline constexpr Colour kRed = 0x000000FF;
inline constexpr Colour kFrozen = 0x00FFFF80;  // a red block while a freeze runs
inline constexpr Colour kYellow = 0x0000FFFF;
inline constexpr Colour kBlue = 0x00FF0000;
inline constexpr Colour kMagenta = 0x00FF00FF;
inline constexpr Colour kGreen = 0x0000FF00;
inline constexpr Colour kWhite = 0x00FFFFFF;
inline constexpr Colour kLightGrey = 0x00E0E0E0;

// The channels of a &H00BBGGRR value, for the views.
constexpr int RedOf(Colour c) {
  return static_cast<int>(c & 0xFFu);
}
constexpr int GreenOf(Colour c) {
  return static_cast<int>((c >> 8) & 0xFFu);
}
constexpr int BlueOf(Colour c) {
  return static_cast<int>((c >> 16) & 0xFFu);
}

}  // namespace quibbet
