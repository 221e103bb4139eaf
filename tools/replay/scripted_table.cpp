// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "replay/scripted_table.h"

#include "common/number_text.h"

namespace quibbet::replay {

bool ScriptedTable::IsStoredScore(std::string_view score) {
  const auto value = StrictNumber(score);
  const bool plain = !score.empty() && score.find_first_not_of("0123456789") == score.npos &&
                     (score == "0" || score.front() != '0');
  return plain && value && *value <= 2147483647.0;
}

HighScoreRows ScriptedTable::Load() {
  HighScoreRows rows = store_.Load();
  for (std::size_t row = 0; row < rows.size(); ++row) {
    if (rows_[row]) {
      rows[row] = *rows_[row];
    }
  }
  return rows;
}

}  // namespace quibbet::replay
