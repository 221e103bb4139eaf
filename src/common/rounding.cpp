// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/rounding.h"

#include <cmath>
#include <limits>

namespace quibbet {

namespace {

template <typename Int>
Int RoundSaturating(double x) {
  if (std::isnan(x)) {
    return 0;
  }
  const double r = RoundHalfEven(x);
  if (r <= static_cast<double>(std::numeric_limits<Int>::min())) {
    return std::numeric_limits<Int>::min();
  }
  if (r >= static_cast<double>(std::numeric_limits<Int>::max())) {
    return std::numeric_limits<Int>::max();
  }
  return static_cast<Int>(r);
}

}  // namespace

double RoundHalfEven(double x) {
  const double down = std::floor(x);
  const double diff = x - down;
  if (diff < 0.5) {
    return down;
  }
  if (diff > 0.5) {
    return down + 1.0;
  }
  return std::fmod(down, 2.0) == 0.0 ? down : down + 1.0;
}

std::int32_t RoundToInt32(double x) {
  return RoundSaturating<std::int32_t>(x);
}

std::int16_t RoundToInt16(double x) {
  return RoundSaturating<std::int16_t>(x);
}

std::int16_t SaturatingIncrement(std::int16_t n) {
  return n == std::numeric_limits<std::int16_t>::max() ? n : static_cast<std::int16_t>(n + 1);
}

}  // namespace quibbet
