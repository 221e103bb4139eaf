// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "scores/high_score_rows.h"

// The high-score table as a file, in UTF-8 JSON:
//   {"format": 1, "table": [{"name": "Zell", "score": 125}, ... five rows, top row first]}
// A file is taken whole or not at all: anything but exactly this shape is refused, in one pass
// over the bytes. A file of a later format is told apart, so that it can be left for the
// version that wrote it.

namespace quibbet {

inline constexpr std::size_t kMaxHighScoreFileBytes = std::size_t{1} << 20;
// What the name box can hold.
inline constexpr std::size_t kMaxNameUtf16Units = 32767;
inline constexpr long long kMaxStoredScore = 2147483647;

struct ParsedHighScores {
  std::optional<HighScoreRows> rows;
  std::string problem;  // why the file was refused, when it was
  bool newer = false;   // the file is of a later format than this version writes
};

ParsedHighScores ParseHighScoreFile(std::string_view bytes);

// The file for rows whose scores are whole numbers 0 to kMaxStoredScore. A name that is not
// UTF-8 is written with replacement characters and one longer than the name box can hold is cut
// at its limit, so that whatever is written reads back.
std::string HighScoreFileText(const HighScoreRows& rows);

}  // namespace quibbet
