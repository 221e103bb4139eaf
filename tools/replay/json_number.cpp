// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "replay/json_number.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace quibbet::replay {

namespace {

// Whole doubles below 2^53 are exact as 64-bit integers too.
constexpr double kExactWholeLimit = 9007199254740992.0;

}  // namespace

nlohmann::ordered_json SingleToJson(float value) {
  std::array<char, 64> text{};
  const char* last = std::to_chars(text.data(), text.data() + text.size(), value).ptr;
  // to_chars may write a whole value in exponent form ("-1e+05"); reading the text back as a
  // double keeps its digits either way.
  double shortest = 0;
  std::from_chars(text.data(), last, shortest);
  if (std::trunc(shortest) == shortest && std::fabs(shortest) < kExactWholeLimit) {
    return static_cast<std::int64_t>(shortest);
  }
  return shortest;
}

}  // namespace quibbet::replay
