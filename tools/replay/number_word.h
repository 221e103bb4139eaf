// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <charconv>
#include <string>
#include <string_view>
#include <system_error>
#include <type_traits>

#include "common/decimal_conversion.h"
#include "replay/script_error.h"

// A number written as one word of a script. The whole word must be the number: a sign other
// than a leading '-', trailing characters, "nan" and "inf" are all refused, as is a value that
// the target type cannot hold.

namespace quibbet::replay {

template <typename Number>
Number ParseNumberWord(std::string_view word) {
  Number value{};
  const char* last = word.data() + word.size();
  std::from_chars_result read;
  if constexpr (std::is_floating_point_v<Number>) {
    read = ReadDecimal(word.data(), last, value);
  } else {
    read = std::from_chars(word.data(), last, value);
  }
  if (read.ec == std::errc::result_out_of_range) {
    throw ScriptError("number out of range: " + Quoted(word));
  }
  if (read.ec != std::errc{} || read.ptr != last) {
    throw ScriptError("not a number: " + Quoted(word));
  }
  return value;
}

}  // namespace quibbet::replay
