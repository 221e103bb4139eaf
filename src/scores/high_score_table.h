#pragma once

#include <array>
#include <optional>
#include <string>

#include "common/boolean.h"
#include "common/controls.h"
#include "common/message_box.h"

// The five-row high-score table of the game-over screen. It exists only as the texts of fifteen
// labels on the game window; row 0 is the top row and the best score.

namespace quibbet {

inline constexpr int kTableRows = 5;

struct HighScoreTable {
  std::array<Label, kTableRows> lblscorenumber;  // rank texts "1." to "5.", never moved
  std::array<Label, kTableRows> lblhighname;
  std::array<Label, kTableRows> lbluserscore;
};

// The table as the game window is loaded: five default rows, shown.
HighScoreTable MakeHighScoreTable();

inline constexpr std::string_view kRefusalText = "FAIL! Score not good enough for highscores list.";
inline constexpr std::string_view kRefusalTitle = "Error";

struct Submission {
  std::optional<int> enteredRow;
  bool refused = false;
};

// A click on "Submit Score": enters finalScore under name at the first row, from the top, whose
// score is at most the final score, unless a score was already submitted; then refuses with a
// message when the final score is below the last row.
Submission SubmitScore(HighScoreTable& table, const std::string& finalScore,
                       const std::string& name, Boolean& submitted, MessageBox& box);

}  // namespace quibbet
