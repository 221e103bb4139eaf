// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scores/high_score_table.h"

namespace quibbet {

namespace {

constexpr std::string_view kTableFont = "MS Sans Serif";
constexpr Twips kFirstRowTop = 2760;
constexpr Twips kRowSpacing = 600;

Label TableLabel(Twips left, Twips top, Twips width, std::string_view caption) {
  return MakeLabel({left, top, width, 375}, caption, {kTableFont, 13.5f, 700});
}

}  // namespace

HighScoreTable MakeHighScoreTable(const HighScoreRows& rows) {
  HighScoreTable table;
  for (int row = 0; row < kTableRows; ++row) {
    const Twips top = kFirstRowTop + kRowSpacing * static_cast<Twips>(row);
    const HighScoreRow& entry = rows[static_cast<std::size_t>(row)];
    table.lblscorenumber[row] =
        TableLabel(2880, top, 375, std::to_string(row + 1) + std::string("."));
    table.lblhighname[row] = TableLabel(3600, top, 2895, entry.name);
    table.lbluserscore[row] = TableLabel(7320, top, 615, entry.score);
  }
  return table;
}

HighScoreRows ShownRows(const HighScoreTable& table) {
  HighScoreRows rows;
  for (std::size_t row = 0; row < rows.size(); ++row) {
    rows[row] = {table.lblhighname[row].caption, table.lbluserscore[row].caption};
  }
  return rows;
}

void ShowRows(HighScoreTable& table, const HighScoreRows& rows) {
  for (std::size_t row = 0; row < rows.size(); ++row) {
    table.lblhighname[row].caption = rows[row].name;
    table.lbluserscore[row].caption = rows[row].score;
  }
}

void ShowCurrentRows(HighScoreTable& table, HighScoreStore& store) {
  ShowRows(table, store.Current(ShownRows(table)));
}

Submission SubmitScore(HighScoreTable& table, const std::string& finalScore,
                       const std::string& name, Boolean& submitted, MessageBox& box,
                       HighScoreStore& store, const std::function<void()>& refusing) {
  Submission submission;
  const HighScoreRows rows = store.Submit(ShownRows(table), [&](HighScoreRows& held) {
    submission.enteredRow = EnterScore(held, finalScore, name, submitted);
  });
  ShowRows(table, rows);
  if (FallsShort(rows, finalScore)) {
    if (refusing) {
      refusing();
    }
    box.Show(kRefusalText, kRefusalTitle, MsgBoxStyle::kOkOnly);
  }
  return submission;
}

}  // namespace quibbet
