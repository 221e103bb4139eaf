// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <optional>
#include <string>

#include "common/boolean.h"

// The high-score table as data: five rows of a name and a score text, row 0 the top row and the
// best score. The game window shows them in its labels; a store keeps them between runs.

namespace quibbet {

inline constexpr int kTableRows = 5;

struct HighScoreRow {
  std::string name;
  std::string score;  // as the game writes it: decimal digits

  bool operator==(const HighScoreRow&) const = default;
};

using HighScoreRows = std::array<HighScoreRow, kTableRows>;

// The five rows the design starts with.
HighScoreRows DefaultHighScoreRows();

// Enters finalScore under name at the first row, from the top, whose score is at most the final
// score, unless a score was already submitted; returns the row it entered, if any.
std::optional<int> EnterScore(HighScoreRows& rows, const std::string& finalScore,
                              const std::string& name, Boolean& submitted);

// Whether the final score falls below the last row, so that the player is told it did not make
// the table.
bool FallsShort(const HighScoreRows& rows, const std::string& finalScore);

}  // namespace quibbet
