// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

// Where a real number becomes an integer it goes to the nearest one, an exact half to the even
// neighbour (100.5 -> 100, 101.5 -> 102). Values beyond the target range saturate at its ends
// and NaN gives 0, so no input can make a conversion undefined.

namespace quibbet {

double RoundHalfEven(double x);
std::int32_t RoundToInt32(double x);
std::int16_t RoundToInt16(double x);

// A 16-bit counter that stops at its largest value instead of overflowing.
std::int16_t SaturatingIncrement(std::int16_t n);

}  // namespace quibbet
