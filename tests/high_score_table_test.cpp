// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Entering a finished round's score into the five-row table.

#include "scores/high_score_table.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace quibbet::testing {
namespace {

class HighScores : public ::testing::Test {
 protected:
  void Submit(const std::string& score, const std::string& name) {
    SubmitScore(table, score, name, submitted, box);
  }
  std::vector<std::pair<std::string, std::string>> Rows() const {
    std::vector<std::pair<std::string, std::string>> rows;
    for (int r = 0; r < kTableRows; ++r) {
      rows.emplace_back(table.lbluserscore[r].caption, table.lblhighname[r].caption);
    }
    return rows;
  }
  bool Refused() const {
    return !box.shown.empty() && box.shown.back().text == kRefusalText &&
           box.shown.back().title == "Error" && box.shown.back().style == MsgBoxStyle::kOkOnly;
  }

  HighScoreTable table = MakeHighScoreTable();
  Boolean submitted = kFalse;
  RecordingMessageBox box;
};

using Table = std::vector<std::pair<std::string, std::string>>;

TEST_F(HighScores, StartsWithTheFiveDefaultRows) {
  EXPECT_EQ(Rows(), (Table{{"125", "Zell"},
                           {"115", "Harrowin"},
                           {"78", "Pettrick"},
                           {"45", "Corvale"},
                           {"25", "Dunmere"}}));
  EXPECT_EQ(table.lblscorenumber[0].caption, "1.");
  EXPECT_EQ(table.lblscorenumber[4].caption, "5.");
  EXPECT_EQ(table.lbluserscore[4].top, 5160);
}

TEST_F(HighScores, ABestScoreGoesToTheTopAndTheLastRowDropsOut) {
  Submit("200", "Ann");
  EXPECT_EQ(Rows(), (Table{{"200", "Ann"},
                           {"125", "Zell"},
                           {"115", "Harrowin"},
                           {"78", "Pettrick"},
                           {"45", "Corvale"}}));
  EXPECT_TRUE(IsTrue(submitted));
  EXPECT_TRUE(box.shown.empty());
  EXPECT_EQ(table.lblscorenumber[0].caption, "1.");  // ranks stay in place
}

TEST_F(HighScores, AnEqualScoreIsPlacedAboveTheEntryItEquals) {
  Submit("78", "Bo");
  EXPECT_EQ(Rows(), (Table{{"125", "Zell"},
                           {"115", "Harrowin"},
                           {"78", "Bo"},
                           {"78", "Pettrick"},
                           {"45", "Corvale"}}));
}

TEST_F(HighScores, TheLowestScoreThatStillFitsReplacesTheLastRow) {
  Submit("25", "");
  EXPECT_EQ(Rows().back(), (std::pair<std::string, std::string>{"25", ""}));
  EXPECT_TRUE(box.shown.empty());
}

TEST_F(HighScores, AScoreBelowTheTableIsRefusedOnEveryClick) {
  for (const char* score : {"24", "0"}) {
    box.shown.clear();
    Submit(score, "Cy");
    Submit(score, "Cy");
    EXPECT_EQ(box.shown.size(), 2u);
    EXPECT_TRUE(Refused());
    EXPECT_FALSE(IsTrue(submitted));
  }
  EXPECT_EQ(Rows()[4].second, "Dunmere");
}

TEST_F(HighScores, OneEntryUntilABlueBlockReopensTheTable) {
  Submit("200", "Ann");
  Submit("200", "Ann");
  Submit("300", "Dee");  // a later round's better score is not entered either
  EXPECT_TRUE(box.shown.empty());
  EXPECT_EQ(Rows()[0].first, "200");
  EXPECT_EQ(Rows()[1].first, "125");
  Submit("10", "Eve");  // but a refusal still shows
  EXPECT_TRUE(Refused());

  submitted = kFalse;  // collecting the blue block clears it
  Submit("300", "Dee");
  EXPECT_EQ(Rows()[0], (std::pair<std::string, std::string>{"300", "Dee"}));
}

TEST_F(HighScores, NamesAreEnteredExactlyAsTyped) {
  const std::string hostile = "<b>x</b> \xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D \xF0\x9F\x98\x80\t";
  Submit("500", hostile);
  EXPECT_EQ(table.lblhighname[0].caption, hostile);
  const std::string longName(32767, 'W');
  submitted = kFalse;
  Submit("600", longName);
  EXPECT_EQ(table.lblhighname[0].caption, longName);
  EXPECT_EQ(table.lblhighname[1].caption, hostile);
}

}  // namespace
}  // namespace quibbet::testing
