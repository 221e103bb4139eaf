// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The scores exist only as label texts. These are the four conversions the game makes between
// those texts and numbers.

namespace quibbet {

// The number at the start of a text (after leading blanks): an optional sign, digits with an
// optional decimal point, an optional exponent. 0 when the text starts with no number; never
// fails. A number too large for a double reads as infinity.
double LeadingNumber(std::string_view text);

// A text that holds exactly one number (blanks around it allowed); nothing otherwise.
std::optional<double> StrictNumber(std::string_view text);

// A number as decimal text with no leading blank; a whole number is its digits alone.
std::string NumberToText(double value);

// Decimal digits, with "-" for negatives.
std::string Int16ToText(std::int16_t value);

}  // namespace quibbet
