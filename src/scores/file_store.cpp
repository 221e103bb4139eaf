// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scores/file_store.h"

#include <utility>

#include "scores/high_score_file.h"

namespace quibbet {

namespace {

constexpr std::string_view kNoticeTitle = "High Scores";
constexpr std::string_view kKeptInMemory =
    " Until it can be written, new high scores last only while the game is open.";
constexpr std::string_view kSavedLater =
    " It stays in the table and is saved with the next score that can be.";

// The one entry a submission made: the rows below it moved down a row, so the first row that
// changed holds it.
HighScoreRow EntryMade(const HighScoreRows& before, const HighScoreRows& after) {
  std::size_t row = 0;
  while (before[row] == after[row]) {
    ++row;
  }
  return after[row];
}

}  // namespace

FileStore::FileStore(TableFile& file, Warnings warnings, MessageBox& player)
    : file_(file), warnings_(std::move(warnings)), player_(player) {}

HighScoreRows FileStore::Load() {
  const bool locked = file_.Lock(/*makeFolder=*/false).done;
  const Stored stored = ReadStored(locked);
  if (locked) {
    file_.Unlock();
  }
  Tell(stored.notice);
  return WithUnsaved(stored.rows);
}

HighScoreRows FileStore::Submit(const HighScoreRows& /*shown*/, const Submission& submit) {
  const TableFile::Outcome lock = file_.Lock(/*makeFolder=*/true);
  const Stored stored = ReadStored(lock.done);
  std::optional<Notice> notSaved;
  const HighScoreRows before = WithUnsaved(stored.rows);
  HighScoreRows rows = before;
  submit(rows);
  if (rows != before) {
    unsaved_.push_back(EntryMade(before, rows));
  }
  // A submission that enters nothing still saves the entries an earlier one could not, so that a
  // lock held for a moment at that one costs them nothing.
  if (!unsaved_.empty()) {
    const std::string saving = "Your score could not be saved in " + file_.Name();
    if (!lock.done) {
      notSaved = Notice{saving + " (" + lock.detail + ")." + std::string(kSavedLater)};
    } else if (!stored.rows) {
      // Told about the file itself, below.
    } else if (const TableFile::Outcome written = file_.Write(HighScoreFileText(rows));
               !written.done) {
      notSaved = Notice{saving + " (" + written.detail + ")." + std::string(kSavedLater)};
    } else {
      unsaved_.clear();
    }
  }
  if (lock.done) {
    file_.Unlock();
  }
  Tell(stored.notice);
  Tell(notSaved);
  return rows;
}

HighScoreRows FileStore::Current(const HighScoreRows& /*shown*/) {
  const TableFile::Contents contents = file_.Read(kMaxHighScoreFileBytes + 1);
  if (contents.found == TableFile::Found::kNone) {
    return WithUnsaved(DefaultHighScoreRows());
  }
  return WithUnsaved(ParseHighScoreFile(contents.bytes).rows);
}

FileStore::Stored FileStore::ReadStored(bool locked) {
  const TableFile::Contents contents = file_.Read(kMaxHighScoreFileBytes + 1);
  switch (contents.found) {
    case TableFile::Found::kNone:
      return {DefaultHighScoreRows(), {}};
    case TableFile::Found::kUnreadable:
      return {std::nullopt, Notice{"Cannot read the high scores in " + file_.Name() + " (" +
                                   contents.error + ")." + std::string(kKeptInMemory)}};
    case TableFile::Found::kFile:
      break;
  }
  ParsedHighScores parsed = ParseHighScoreFile(contents.bytes);
  if (parsed.rows) {
    return {parsed.rows, {}};
  }
  if (parsed.newer) {
    return {std::nullopt,
            Notice{"The high scores in " + file_.Name() +
                       " were written by a newer version of Quibbet, so they are left as they "
                       "are and the game starts from the default table." +
                       std::string(kKeptInMemory),
                   MsgBoxStyle::kInformation}};
  }
  return BadFile(parsed.problem, locked);
}

// Another copy of the game may be writing a good file in its place, so it is only moved under
// the lock, after it was read under it.
FileStore::Stored FileStore::BadFile(const std::string& problem, bool locked) {
  const std::string what = "The high scores in " + file_.Name() + " are damaged (" + problem + ")";
  if (!locked) {
    return {std::nullopt,
            Notice{what + ", and are left as they are for now." + std::string(kKeptInMemory)}};
  }
  const TableFile::Outcome moved = file_.MoveAside();
  if (!moved.done) {
    return {std::nullopt, Notice{what + " and cannot be moved aside (" + moved.detail + ")." +
                                 std::string(kKeptInMemory)}};
  }
  return {DefaultHighScoreRows(), Notice{what + ". They were moved to " + moved.detail +
                                             ", and the game starts from the default table.",
                                         MsgBoxStyle::kInformation}};
}

HighScoreRows FileStore::WithUnsaved(const std::optional<HighScoreRows>& stored) const {
  HighScoreRows rows = stored.value_or(DefaultHighScoreRows());
  for (const HighScoreRow& entry : unsaved_) {
    Boolean submitted = kFalse;
    EnterScore(rows, entry.score, entry.name, submitted);
  }
  return rows;
}

void FileStore::Tell(const std::optional<Notice>& notice) {
  if (!notice || !told_.insert(notice->text).second) {
    return;
  }
  warnings_("quibbet: " + notice->text);
  player_.Show(notice->text, kNoticeTitle, notice->style);
}

}  // namespace quibbet
