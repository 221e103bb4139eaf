// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "common/colour.h"

// For a player who cannot tell the blocks' colours apart: when symbols are on, each kind of
// block carries a symbol of its own, and the player's square one that no pick-up has. A shape's
// kind is its fill colour, as in the rules, so the symbol follows a red block into the frozen
// colour and back.
//
// Every symbol is centred on the shape's inside and spans kSymbolSpan of it, in lines
// kSymbolStroke of it thick but never thinner than kSymbolMinStroke pixels, so that it grows
// with the shape and still reads on the smallest block at scale 1.

namespace quibbet {

enum class Symbol : std::uint8_t {
  kNone,
  kPlus,       // yellow: a point, and the square grows
  kCross,      // red: the round ends
  kSnowflake,  // frozen red: the cross and the plus, as deadly, and frozen
  kRing,       // blue: a freeze
  kBar,        // magenta: the square halves
  kDiamond,    // the player's square, filled
};

inline constexpr float kSymbolSpan = 0.7f;
inline constexpr float kSymbolStroke = 0.12f;
inline constexpr float kSymbolMinStroke = 2.0f;

struct SymbolLook {
  Symbol symbol = Symbol::kNone;
  Colour ink = 0;  // contrasts with the fill

  friend bool operator==(const SymbolLook&, const SymbolLook&) = default;
};

SymbolLook SymbolFor(Colour fill);

}  // namespace quibbet
