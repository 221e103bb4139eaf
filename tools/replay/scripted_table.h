// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "scores/high_score_rows.h"
#include "scores/high_score_store.h"

// The high-score store of a replay: the rows a script sets stand in for a stored table's, at
// every load of the game window from then on; submissions go to the store behind it.

namespace quibbet::replay {

class ScriptedTable final : public HighScoreStore {
 public:
  explicit ScriptedTable(HighScoreStore& store) : store_(store) {}

  // What a stored table may hold as a score: a whole number 0 to 2147483647 in plain digits.
  static bool IsStoredScore(std::string_view score);

  // Row 0 is the top row.
  void Set(int row, const HighScoreRow& entry) { rows_[static_cast<std::size_t>(row)] = entry; }
  HighScoreRows Load() override;
  HighScoreRows Submit(const HighScoreRows& shown, const Submission& submit) override {
    return store_.Submit(shown, submit);
  }
  HighScoreRows Current(const HighScoreRows& shown) override { return store_.Current(shown); }

 private:
  HighScoreStore& store_;
  std::array<std::optional<HighScoreRow>, kTableRows> rows_;
};

}  // namespace quibbet::replay
