// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "record/json_number.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "common/decimal_conversion.h"

namespace quibbet::record {

namespace {

// Whole doubles below 2^53 are exact as 64-bit integers too.
constexpr double kExactWholeLimit = 9007199254740992.0;

}  // namespace

nlohmann::ordered_json SingleToJson(float value) {
  const std::string text = ShortestText(value);
  // The text may be a whole value in exponent form ("-1e+05"); reading it back as a double keeps
  // its digits either way.
  double shortest = 0;
  ReadDecimal(text.data(), text.data() + text.size(), shortest);
  if (std::trunc(shortest) == shortest && std::fabs(shortest) < kExactWholeLimit) {
    return static_cast<std::int64_t>(shortest);
  }
  return shortest;
}

}  // namespace quibbet::record
