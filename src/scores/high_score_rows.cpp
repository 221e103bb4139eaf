// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scores/high_score_rows.h"

#include <algorithm>
#include <stdexcept>

#include "common/number_text.h"

namespace quibbet {

namespace {

// The table's own score texts are always whole numbers the game wrote or a store checked, so a
// text that is not a number means the table itself is broken.
double RowScore(const HighScoreRows& rows, int row) {
  const auto score = StrictNumber(rows[static_cast<std::size_t>(row)].score);
  if (!score) {
    throw std::logic_error("high-score table holds a score that is not a number");
  }
  return *score;
}

}  // namespace

HighScoreRows DefaultHighScoreRows() {
  return {{
      {"Zell", "125"},
      {"Harrowin", "115"},
      {"Pettrick", "78"},
      {"Corvale", "45"},
      {"Dunmere", "25"},
  }};
}

std::optional<int> EnterScore(HighScoreRows& rows, const std::string& finalScore,
                              const std::string& name, Boolean& submitted) {
  std::optional<int> entered;
  for (int row = 0; row < kTableRows; ++row) {
    if (IsTrue(submitted)) {
      continue;
    }
    if (RowScore(rows, row) <= LeadingNumber(finalScore)) {
      // The last row's entry drops out; the ones below the new entry move down a row.
      std::move_backward(rows.begin() + row, rows.end() - 1, rows.end());
      rows[static_cast<std::size_t>(row)] = {name, finalScore};
      submitted = kTrue;
      entered = row;
    }
  }
  return entered;
}

bool FallsShort(const HighScoreRows& rows, const std::string& finalScore) {
  return RowScore(rows, kTableRows - 1) > LeadingNumber(finalScore);
}

}  // namespace quibbet
