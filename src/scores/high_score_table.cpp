#include "scores/high_score_table.h"

#include <stdexcept>

#include "common/number_text.h"

namespace quibbet {

namespace {

constexpr std::string_view kTableFont = "MS Sans Serif";
constexpr Twips kFirstRowTop = 2760;
constexpr Twips kRowSpacing = 600;

struct DefaultRow {
  const char* name;
  const char* score;
};

constexpr std::array<DefaultRow, kTableRows> kDefaultRows = {{
    {"Zell", "125"},
    {"Harrowin", "115"},
    {"Pettrick", "78"},
    {"Corvale", "45"},
    {"Dunmere", "25"},
}};

Label TableLabel(Twips left, Twips top, Twips width, std::string_view caption, int tabIndex) {
  return MakeLabel({left, top, width, 375}, caption, {kTableFont, 13.5f, 700}, tabIndex);
}

// The table's own score texts are always whole numbers the game wrote, so a text that is not a
// number means the table itself is broken.
double RowScore(const HighScoreTable& table, int row) {
  const auto score = StrictNumber(table.lbluserscore[row].caption);
  if (!score) {
    throw std::logic_error("high-score table holds a score that is not a number");
  }
  return *score;
}

void MoveRowDown(HighScoreTable& table, int from) {
  table.lbluserscore[from + 1].caption = table.lbluserscore[from].caption;
  table.lblhighname[from + 1].caption = table.lblhighname[from].caption;
}

}  // namespace

HighScoreTable MakeHighScoreTable() {
  HighScoreTable table;
  for (int row = 0; row < kTableRows; ++row) {
    const Twips top = kFirstRowTop + kRowSpacing * static_cast<Twips>(row);
    table.lblscorenumber[row] =
        TableLabel(2880, top, 375, std::to_string(row + 1) + std::string("."), 9 + row);
    table.lblhighname[row] = TableLabel(3600, top, 2895, kDefaultRows[row].name, 14 + row);
    table.lbluserscore[row] = TableLabel(7320, top, 615, kDefaultRows[row].score, 19 + row);
  }
  return table;
}

Submission SubmitScore(HighScoreTable& table, const std::string& finalScore,
                       const std::string& name, Boolean& submitted, MessageBox& box) {
  Submission submission;
  for (int row = 0; row < kTableRows; ++row) {
    if (IsTrue(submitted)) {
      continue;
    }
    if (RowScore(table, row) <= LeadingNumber(finalScore)) {
      for (int from = kTableRows - 2; from >= row; --from) {
        MoveRowDown(table, from);
      }
      table.lbluserscore[row].caption = finalScore;
      table.lblhighname[row].caption = name;
      submitted = kTrue;
      submission.enteredRow = row;
    }
  }
  if (RowScore(table, kTableRows - 1) > LeadingNumber(finalScore)) {
    box.Show(kRefusalText, kRefusalTitle, MsgBoxStyle::kOkOnly);
    submission.refused = true;
  }
  return submission;
}

}  // namespace quibbet
