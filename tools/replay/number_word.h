// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <charconv>
#include <cmath>
#include <string>
#include <string_view>
#include <system_error>
#include <type_traits>

#include "replay/script_error.h"

// A number written as one word of a script. The whole word must be the number: a sign other
// than a leading '-', trailing characters, "nan" and "inf" are all refused, as is a value that
// the target type cannot hold.

namespace quibbet::replay {

template <typename Number>
Number ParseNumberWord(std::string_view word) {
  Number value{};
  const char* last = word.data() + word.size();
  const auto [end, error] = std::from_chars(word.data(), last, value);
  if (error == std::errc::result_out_of_range) {
    throw ScriptError("number out of range: '" + std::string(word) + "'");
  }
  bool parsed = error == std::errc{} && end == last;
  if constexpr (std::is_floating_point_v<Number>) {
    parsed = parsed && std::isfinite(value);
  }
  if (!parsed) {
    throw ScriptError("not a number: '" + std::string(word) + "'");
  }
  return value;
}

}  // namespace quibbet::replay
