// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The high-score file and the store that keeps the table in it, over a file in memory.

#include <gtest/gtest.h>

#include <sstream>

#include "game/form1.h"
#include "scores/file_store.h"
#include "scores/high_score_file.h"
#include "scores/high_score_table.h"
#include "test_support.h"

namespace quibbet::testing {
namespace {

using namespace std::string_literals;

// The file system as a test sets it up; it notes every step, so that a test can check that the
// message box waits until the lock is given back.
class MemoryTableFile final : public TableFile {
 public:
  std::string Name() const override { return "scores.json"; }
  Outcome Lock(bool) override { return Note("lock", {lockable, "held elsewhere"}); }
  void Unlock() override { steps.push_back("unlock"); }
  Contents Read(std::size_t maxBytes) override {
    steps.push_back("read");
    if (!bytes) {
      return {unreadable ? Found::kUnreadable : Found::kNone, {}, "no permission"};
    }
    return {Found::kFile, bytes->substr(0, maxBytes), {}};
  }
  Outcome Write(const std::string& text) override {
    if (writable) {
      bytes = text;
    }
    return Note("write", {writable, "disk full"});
  }
  Outcome MoveAside() override {
    aside = bytes;
    bytes.reset();
    return Note("move", {true, "scores.json.bad"});
  }

  std::optional<std::string> bytes;
  std::optional<std::string> aside;
  bool unreadable = false;
  bool lockable = true;
  bool writable = true;
  std::vector<std::string> steps;

 private:
  Outcome Note(const char* step, Outcome outcome) {
    steps.push_back(step);
    return outcome;
  }
};

class StepNotingBox final : public MessageBox {
 public:
  explicit StepNotingBox(std::vector<std::string>& steps) : steps_(steps) {}
  MsgBoxAnswer Show(std::string_view, std::string_view, MsgBoxStyle) override {
    steps_.push_back("box");
    return MsgBoxAnswer::kOk;
  }

 private:
  std::vector<std::string>& steps_;
};

HighScoreRows Hostile() {
  HighScoreRows rows = DefaultHighScoreRows();
  rows[0].name = "<b>bold</b> & \"quotes\" \\ /";
  rows[1].name = "nul\0bell\a\x1b[31m\n\r\t"s;
  rows[2].name = "\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D \xE2\x80\xAEright-to-left\xE2\x80\xAC";
  rows[3].name = "\xF0\x9F\x98\x80 \xEF\xBB\xBF \xE2\x80\xA8";
  rows[4].name = "";
  return rows;
}

TEST(HighScoreFile, WhatIsWrittenReadsBackExactly) {
  for (const HighScoreRows& rows : {DefaultHighScoreRows(), Hostile()}) {
    EXPECT_EQ(ParseHighScoreFile(HighScoreFileText(rows)).rows, rows);
  }
  HighScoreRows extremes = DefaultHighScoreRows();
  extremes[0] = {std::string(kMaxNameUtf16Units - 1, 'a') + "\xC3\xA9", "2147483647"};
  extremes[4].score = "0";
  EXPECT_EQ(ParseHighScoreFile(HighScoreFileText(extremes)).rows, extremes);

  // What the name box could never hold is made storable rather than lost.
  HighScoreRows odd = DefaultHighScoreRows();
  odd[0].name = std::string(kMaxNameUtf16Units - 1, 'a') + "\xF0\x9F\x98\x80";  // one unit over
  odd[1].name = "bad \xFF byte";
  const auto read = ParseHighScoreFile(HighScoreFileText(odd)).rows;
  ASSERT_TRUE(read);
  EXPECT_EQ((*read)[0].name, std::string(kMaxNameUtf16Units - 1, 'a'));
  EXPECT_EQ((*read)[1].name, "bad \xEF\xBF\xBD byte");
}

std::string File(const std::string& rows) {
  return "{\"format\": 1, \"table\": [" + rows + "]}";
}

const std::string kFourRows =
    R"({"name": "a", "score": 9}, {"name": "b", "score": 8}, {"name": "c", "score": 7},
       {"name": "d", "score": 6})";

TEST(HighScoreFile, AnythingButExactlyATableIsRefusedWhole) {
  const std::string good = File(kFourRows + R"(, {"name": "e", "score": 5})");
  ASSERT_TRUE(ParseHighScoreFile(good).rows);
  const std::string bad[] = {
      "",
      "not json",
      "[]",
      good + "x",
      good + "{}",
      R"({"format": 2, "table": [])" + good.substr(good.find('[') + 1),
      R"({"format": 1, "format": 1, "table": [])" + good.substr(good.find('[') + 1),
      R"({"format": 1.0, "table": [])" + good.substr(good.find('[') + 1),
      R"({"format": 1, "extra": 0, "table": [])" + good.substr(good.find('[') + 1),
      File(kFourRows),
      File(kFourRows + R"(, {"name": "e", "score": 5}, {"name": "f", "score": 4})"),
      File(kFourRows + R"(, {"name": "e", "score": -1})"),
      File(kFourRows + R"(, {"name": "e", "score": 5.0})"),
      File(kFourRows + R"(, {"name": "e", "score": 5e0})"),
      File(kFourRows + R"(, {"name": "e", "score": "5"})"),
      File(kFourRows + R"(, {"name": 5, "score": 5})"),
      File(kFourRows + R"(, {"name": "e", "score": 5, "score": 5})"),
      File(kFourRows + R"(, {"name": "e", "score": 5, "when": 0})"),
      File(kFourRows + R"(, {"name": "e", "score": 10})"),  // below a smaller score
      File(R"({"name": "a", "score": 2147483648})" + kFourRows.substr(kFourRows.find(','))),
      File(kFourRows + R"(, {"name": "e\ud800", "score": 5})"),
      File(kFourRows + ", {\"name\": \"\xC3\", \"score\": 5}"),
      File(kFourRows + R"(, {"name": ")" + std::string(kMaxNameUtf16Units + 1, 'e') +
           R"(", "score": 5})"),
      good + std::string(kMaxHighScoreFileBytes, ' '),
      "[{}, {}]",
      R"({"format": 1, "table": [[[[[[]]]]]]})",
      R"({"table": [{}, {}, {}, {}, {}, {}, {}], "format": 1})",
  };
  for (const std::string& file : bad) {
    const ParsedHighScores parsed = ParseHighScoreFile(file);
    EXPECT_FALSE(parsed.rows) << file.substr(0, 200);
    EXPECT_FALSE(parsed.problem.empty());
  }
}

class StoreStory : public ::testing::Test {
 protected:
  // A click on Submit Score with the table of a game window loaded from the store.
  void Submit(const std::string& score, const std::string& name) {
    submitted = kFalse;  // a blue block was picked up since the last entry
    SubmitScore(table, score, name, submitted, box, store);
  }
  std::vector<std::string> WarningLines() const {
    std::vector<std::string> lines;
    std::istringstream in(warnings.str());
    for (std::string line; std::getline(in, line);) {
      lines.push_back(line);
    }
    return lines;
  }
  HighScoreRows OnDisk() const { return *ParseHighScoreFile(*file.bytes).rows; }

  MemoryTableFile file;
  std::ostringstream warnings;
  StepNotingBox box{file.steps};
  FileStore store{file, [this](const std::string& line) { warnings << line << '\n'; }, box};
  HighScoreTable table = MakeHighScoreTable(store.Load());
  Boolean submitted = kFalse;
};

TEST_F(StoreStory, TheFileIsMadeAtTheFirstEntryAndEveryEntryGoesAgainstItUnderTheLock) {
  EXPECT_EQ(ShownRows(table), DefaultHighScoreRows());
  Submit("10", "Low");  // refused: nothing to write
  EXPECT_FALSE(file.bytes);

  // Meanwhile another copy of the game entered a score the table on screen does not show.
  HighScoreRows other = DefaultHighScoreRows();
  other[0] = {"Other", "300"};
  file.bytes = HighScoreFileText(other);
  file.steps.clear();
  Submit("200", "Ann");
  EXPECT_EQ(file.steps, (std::vector<std::string>{"lock", "read", "write", "unlock"}));
  const HighScoreRows both = OnDisk();
  EXPECT_EQ(both[0], (HighScoreRow{"Other", "300"}));
  EXPECT_EQ(both[1], (HighScoreRow{"Ann", "200"}));
  EXPECT_EQ(ShownRows(table), both);

  // A score that the table on screen would take, but the file's no longer does, is refused,
  // with the message only once the lock is given back.
  HighScoreRows full = both;
  for (HighScoreRow& row : full) {
    row.score = "500";
  }
  file.bytes = HighScoreFileText(full);
  file.steps.clear();
  Submit("400", "Bo");
  EXPECT_EQ(file.steps, (std::vector<std::string>{"lock", "read", "unlock", "box"}));
  EXPECT_EQ(ShownRows(table), full);
  EXPECT_TRUE(warnings.str().empty());
}

TEST_F(StoreStory, ABadFileIsMovedAsideWholeAndThePlayerToldOnce) {
  const std::string bad = File(kFourRows);
  file.bytes = bad;
  file.steps.clear();
  EXPECT_EQ(store.Load(), DefaultHighScoreRows());
  EXPECT_EQ(file.aside, bad);
  EXPECT_EQ(file.steps, (std::vector<std::string>{"lock", "read", "move", "unlock", "box"}));
  ASSERT_EQ(WarningLines().size(), 1u);
  EXPECT_EQ(WarningLines()[0],
            "quibbet: The high scores in scores.json are damaged (the table is not five rows). "
            "They were moved to scores.json.bad, and the game starts from the default table.");

  // Found at a submission, it is moved aside too, and the entry is written in its place; the
  // same damage is not told twice.
  file.bytes = bad;
  Submit("200", "Ann");
  EXPECT_EQ(OnDisk()[0], (HighScoreRow{"Ann", "200"}));
  EXPECT_EQ(WarningLines().size(), 1u);
}

TEST_F(StoreStory, AnEntrySavedLateStillLandsBesideAnotherCopysEntry) {
  file.writable = false;  // a full disk
  Submit("200", "Ann");
  EXPECT_EQ(ShownRows(table)[0], (HighScoreRow{"Ann", "200"}));
  EXPECT_FALSE(file.bytes);
  EXPECT_EQ(file.steps.back(), "box");  // told, once the lock is given back
  EXPECT_EQ(WarningLines(),
            (std::vector<std::string>{"quibbet: Your score could not be saved in scores.json "
                                      "(disk full). It stays in the table and is saved with "
                                      "the next score that can be."}));

  // Space comes back; another copy, which never saw Ann, enters Bob.
  file.writable = true;
  MemoryTableFile& shared = file;
  StepNotingBox otherBox{shared.steps};
  FileStore other{shared, [](const std::string&) {}, otherBox};
  HighScoreTable otherTable = MakeHighScoreTable(other.Load());
  Boolean otherSubmitted = kFalse;
  SubmitScore(otherTable, "150", "Bob", otherSubmitted, otherBox, other);

  // This copy's next entry goes in with Ann's, beside Bob's.
  Submit("130", "Cy");
  EXPECT_EQ(OnDisk()[0], (HighScoreRow{"Ann", "200"}));
  EXPECT_EQ(OnDisk()[1], (HighScoreRow{"Bob", "150"}));
  EXPECT_EQ(OnDisk()[2], (HighScoreRow{"Cy", "130"}));
  EXPECT_EQ(ShownRows(table), OnDisk());
  EXPECT_EQ(WarningLines().size(), 1u);
}

TEST_F(StoreStory, AFileThatCannotBeReadOrLockedIsNeverWrittenOver) {
  HighScoreRows kept = DefaultHighScoreRows();
  kept[0] = {"Kept", "900"};
  file.unreadable = true;
  Submit("200", "Ann");
  file.unreadable = false;
  file.bytes = HighScoreFileText(kept);
  file.lockable = false;  // another copy holds it, or something is in the lock's place
  Submit("300", "Bo");
  EXPECT_EQ(file.bytes, HighScoreFileText(kept));
  EXPECT_FALSE(file.aside);
  EXPECT_EQ(ShownRows(table)[0].name, "Kept");
  EXPECT_EQ(WarningLines().size(), 2u);  // the file unread, the lock not taken

  // Both entries land in the table on disk at the first save that works.
  file.lockable = true;
  Submit("100", "Cy");
  EXPECT_EQ(OnDisk(),
            (HighScoreRows{{kept[0], {"Bo", "300"}, {"Ann", "200"}, kept[1], {"Cy", "100"}}}));
}

TEST_F(StoreStory, ATableOfANewerVersionIsLeftAsItIsAndSaidOnce) {
  const std::string newer = R"({"format": 2, "table": {"anything": [1, 2, 3]}})";
  file.bytes = newer;
  EXPECT_EQ(store.Load(), DefaultHighScoreRows());
  Submit("200", "Ann");
  EXPECT_EQ(store.Load()[0], (HighScoreRow{"Ann", "200"}));  // for the rest of the run
  EXPECT_EQ(file.bytes, newer);
  EXPECT_FALSE(file.aside);
  ASSERT_EQ(WarningLines().size(), 1u);
  EXPECT_NE(WarningLines()[0].find("written by a newer version"), std::string::npos);
}

TEST_F(StoreStory, TheTableShownAsARoundEndsIsTheFilesAtThatMoment) {
  RecordingMessageBox player;
  ScriptedRandom random;
  Form1 form(random, player, IgnoredEvents(), store);
  form.Form_Load();
  HighScoreRows other = DefaultHighScoreRows();
  other[0] = {"Other", "300"};
  file.bytes = HighScoreFileText(other);
  file.steps.clear();
  form.ShowGameOver();
  EXPECT_EQ(ShownRows(form.table), other);
  EXPECT_EQ(file.steps, (std::vector<std::string>{"read"}));  // no lock, no write
}

}  // namespace
}  // namespace quibbet::testing
