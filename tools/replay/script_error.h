// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

#include "record/escaped_text.h"

// A script command that is malformed, or impossible in the state the program is in. The runner
// reports it with the script's line number and stops there.

namespace quibbet::replay {

class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A word of a bad line, in quotes, as the error shows it. A line can be any length, so the quote
// stops at 80 bytes (and never inside one of UTF-8's multi-byte characters) and says so; and a
// script can hold anything, so control characters show as escapes and never reach the terminal.
inline std::string Quoted(std::string_view word) {
  constexpr std::size_t kLongestQuote = 80;
  constexpr std::size_t kLongestCharacter = 4;
  if (word.size() <= kLongestQuote) {
    return "'" + record::ControlsEscaped(word) + "'";
  }
  std::size_t cut = kLongestQuote;
  while (cut > kLongestQuote - kLongestCharacter + 1 &&
         (static_cast<unsigned char>(word[cut]) & 0xC0U) == 0x80U) {
    --cut;
  }
  return "'" + record::ControlsEscaped(word.substr(0, cut)) + "...' (" +
         std::to_string(word.size()) + " bytes)";
}

}  // namespace quibbet::replay
