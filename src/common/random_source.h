// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <random>

// The pseudo-random sequence behind RandomBetween. Every start of the program draws the same
// sequence: nothing seeds it from the clock.

namespace quibbet {

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // The next number of the sequence, in single precision, 0 <= r < 1.
  virtual float Next() = 0;
};

// The program's own source: a Mersenne Twister with its fixed default seed. Each draw takes 24
// random bits, so r is a multiple of 2^-24 and can never round up to 1.
class FixedSeedRandom final : public RandomSource {
 public:
  float Next() override;

 private:
  std::mt19937 engine_;
};

// A small linear congruential generator for tests and replay scripts, whose draws can be
// worked out by hand: x = (1103515245 x + 12345) mod 2^31, r = floor(x / 128) * 2^-24.
class LcgRandom final : public RandomSource {
 public:
  explicit LcgRandom(std::uint32_t seed) : state_(seed) {}
  float Next() override;

 private:
  std::uint32_t state_;
};

// RandomBetween's formula on a given draw: Int(r * (upper - lower + 1) + lower), with the width
// formed in 32-bit arithmetic, the product and sum in double precision and Int rounding down.
// Saturates at the 32-bit limits instead of overflowing.
std::int32_t RandomBetween(std::int32_t upper, std::int32_t lower, float r);

}  // namespace quibbet
