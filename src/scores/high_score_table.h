// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "common/boolean.h"
#include "common/controls.h"
#include "common/message_box.h"
#include "scores/high_score_rows.h"
#include "scores/high_score_store.h"

// The five-row high-score table of the game-over screen, as the texts of fifteen labels on the
// game window; row 0 is the top row and the best score.

namespace quibbet {

struct HighScoreTable {
  std::array<Label, kTableRows> lblscorenumber;  // rank texts "1." to "5.", never moved
  std::array<Label, kTableRows> lblhighname;
  std::array<Label, kTableRows> lbluserscore;
};

// The table as the game window is loaded: the given rows, shown.
HighScoreTable MakeHighScoreTable(const HighScoreRows& rows = DefaultHighScoreRows());

// The names and scores the labels show, and the other way round; the rank texts never change.
HighScoreRows ShownRows(const HighScoreTable& table);
void ShowRows(HighScoreTable& table, const HighScoreRows& rows);
// Shows the table as the store holds it now, which another copy of the game may have changed.
void ShowCurrentRows(HighScoreTable& table, HighScoreStore& store);

inline constexpr std::string_view kRefusalText = "FAIL! Score not good enough for highscores list.";
inline constexpr std::string_view kRefusalTitle = "Error";

struct Submission {
  std::optional<int> enteredRow;
};

// A click on "Submit Score": enters finalScore under name into the table the store holds now
// (see EnterScore), shows the store's table, then refuses with a message when the final score
// is below the last row. The store is done before the message shows, so another copy of the
// game never waits on a player reading it. refusing runs just before the message shows, so
// whatever it starts (a sound) comes with the message, not after the player has closed it.
Submission SubmitScore(HighScoreTable& table, const std::string& finalScore,
                       const std::string& name, Boolean& submitted, MessageBox& box,
                       HighScoreStore& store = KeptInMemory(),
                       const std::function<void()>& refusing = {});

}  // namespace quibbet
