// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/random_source.h"

#include <cmath>
#include <limits>

namespace quibbet {

namespace {

constexpr float kTwoToMinus24 = 1.0f / 16777216.0f;

}  // namespace

float FixedSeedRandom::Next() {
  return static_cast<float>(engine_() >> 8) * kTwoToMinus24;
}

float LcgRandom::Next() {
  state_ = static_cast<std::uint32_t>((1103515245ull * state_ + 12345ull) % 2147483648ull);
  return static_cast<float>(state_ / 128u) * kTwoToMinus24;
}

std::int32_t RandomBetween(std::int32_t upper, std::int32_t lower, float r) {
  // The callers' bounds differ by far less than 2^31, so the width is a plain 32-bit value;
  // forming it in 64 bits only keeps hostile bounds from overflowing.
  const auto width = static_cast<std::int64_t>(upper) - lower + 1;
  const double value = std::floor(static_cast<double>(r) * static_cast<double>(width) + lower);
  if (!(value > std::numeric_limits<std::int32_t>::min())) {
    return std::numeric_limits<std::int32_t>::min();
  }
  if (value >= std::numeric_limits<std::int32_t>::max()) {
    return std::numeric_limits<std::int32_t>::max();
  }
  return static_cast<std::int32_t>(value);
}

}  // namespace quibbet
