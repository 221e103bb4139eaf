// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frontend/block_symbol.h"

namespace quibbet {

namespace {

constexpr Colour kBlack = 0x00000000;

}  // namespace

// Black reads best on every fill but the dark blue.
SymbolLook SymbolFor(Colour fill) {
  switch (fill) {
    case kYellow:
      return {Symbol::kPlus, kBlack};
    case kRed:
      return {Symbol::kCross, kBlack};
    case kFrozen:
      return {Symbol::kSnowflake, kBlack};
    case kBlue:
      return {Symbol::kRing, kWhite};
    case kMagenta:
      return {Symbol::kBar, kBlack};
    case kGreen:
      return {Symbol::kDiamond, kBlack};
    default:
      return {};
  }
}

}  // namespace quibbet
