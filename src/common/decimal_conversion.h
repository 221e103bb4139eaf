// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <charconv>
#include <string>

// Exact conversions between binary floating point and decimal text, the ones std::from_chars and
// std::to_chars make. Some standard libraries (the WebAssembly build's among them) have no
// floating-point <charconv>; there the portable path below stands in for it, and the tests hold
// the two paths to the same results.

namespace quibbet {

// Both for float and for double.

// Reads "[-]digits[.digits][(e|E)[+-]digits]" at first, as std::from_chars does in its general
// format: ptr is just past the number; invalid_argument when first starts no number;
// result_out_of_range, with value untouched, when the number rounds to infinity or to zero
// though some digit is not zero. No "inf", "nan" or hexadecimal.
template <typename T>
std::from_chars_result ReadDecimal(const char* first, const char* last, T& value);

// The shortest text that reads back to value, in the form std::to_chars(value) writes it:
// fixed or scientific, whichever is shorter ("0.001", "1e-04", "1.5e+16").
template <typename T>
std::string ShortestText(T value);

// The path built on the C library's strtod and snprintf; always built, so that it can be tested
// against <charconv> where both exist. Expects the "C" numeric locale.
namespace portable {
template <typename T>
std::from_chars_result ReadDecimal(const char* first, const char* last, T& value);
template <typename T>
std::string ShortestText(T value);
}  // namespace portable

}  // namespace quibbet
