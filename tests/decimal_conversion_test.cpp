// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The portable conversions stand in for <charconv> in the WebAssembly build, where a different
// digit would change a score's text or a replay's dump. Here both paths exist, so every case
// runs through both and must agree to the bit and to the character.

#include "common/decimal_conversion.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace quibbet {
namespace {

template <typename T>
void ExpectSameText(T value) {
  ASSERT_EQ(portable::ShortestText(value), ShortestText(value)) << std::hexfloat << value;
}

template <typename T, typename Bits>
void ExpectSameTextsEverywhere() {
  // Every power of two, where the gap below a value is half the gap above it.
  for (int e = std::numeric_limits<T>::min_exponent - std::numeric_limits<T>::digits;
       e < std::numeric_limits<T>::max_exponent; ++e) {
    ExpectSameText(std::ldexp(T{1}, e));
    ExpectSameText(std::nextafter(std::ldexp(T{1}, e), T{0}));
  }
  // Random bit patterns cover every exponent; whole numbers and short decimals are what scores
  // and script numbers are made of.
  std::mt19937_64 random(12);
  for (int i = 0; i < 50000; ++i) {
    ExpectSameText(std::bit_cast<T>(static_cast<Bits>(random())));
    ExpectSameText(static_cast<T>(static_cast<std::int64_t>(random() >> (random() % 64))));
    ExpectSameText(static_cast<T>(static_cast<int>(random() % 2000001) - 1000000) / T{1000});
  }
  for (T special : {T{0}, -T{0}, std::numeric_limits<T>::infinity(),
                    -std::numeric_limits<T>::infinity(), std::numeric_limits<T>::quiet_NaN(),
                    std::numeric_limits<T>::max(), std::numeric_limits<T>::denorm_min()}) {
    ExpectSameText(special);
  }
}

TEST(ShortestText, PortablePathWritesWhatCharconvWrites) {
  ExpectSameTextsEverywhere<double, std::uint64_t>();
  ExpectSameTextsEverywhere<float, std::uint32_t>();
}

template <typename T>
void ExpectSameReading(const std::string& text) {
  T expected = -1;
  T actual = -1;
  const char* first = text.data();
  const char* last = first + text.size();
  const auto want = ReadDecimal(first, last, expected);
  const auto got = portable::ReadDecimal(first, last, actual);
  ASSERT_EQ(got.ec, want.ec) << text;
  ASSERT_EQ(got.ptr, want.ptr) << text;
  ASSERT_EQ(std::bit_cast<std::uint64_t>(static_cast<double>(actual)),
            std::bit_cast<std::uint64_t>(static_cast<double>(expected)))
      << text;
}

// Random decimals of up to 30 digits with exponents well past both ends of each type's range.
std::string RandomDecimal(std::mt19937_64& random) {
  std::string text = random() % 4 == 0 ? "-" : "";
  const auto digits = 1 + random() % 30;
  const auto point = random() % (digits + 1);
  for (std::uint64_t i = 0; i < digits; ++i) {
    if (i == point) {
      text += '.';
    }
    text += static_cast<char>('0' + random() % (i < 3 && random() % 3 == 0 ? 1 : 10));
  }
  if (random() % 2 == 0) {
    text += "e" + std::to_string(static_cast<int>(random() % 700) - 350);
  }
  return text;
}

TEST(ReadDecimal, PortablePathReadsWhatCharconvReads) {
  const std::vector<std::string> edges = {"",
                                          "-",
                                          ".",
                                          "-.5",
                                          "5.",
                                          "1e",
                                          "1e+",
                                          "1e-400",
                                          "1e400",
                                          "0e999",
                                          "1e-320",
                                          "inf",
                                          "nan",
                                          "+1",
                                          " 1",
                                          "2.4703282292062327e-324",
                                          "2.4703282292062328e-324",
                                          "3.4028236e38",
                                          "3.4028235e38",
                                          "7e-46",
                                          "7.1e-46",
                                          "12abc",
                                          "0x10",
                                          std::string(400, '9'),
                                          "0." + std::string(400, '0') + "1"};
  for (const std::string& text : edges) {
    ExpectSameReading<double>(text);
    ExpectSameReading<float>(text);
  }
  std::mt19937_64 random(34);
  for (int i = 0; i < 50000; ++i) {
    const std::string text = RandomDecimal(random);
    ExpectSameReading<double>(text);
    ExpectSameReading<float>(text);
  }
}

}  // namespace
}  // namespace quibbet
