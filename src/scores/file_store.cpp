// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scores/file_store.h"

#include "scores/high_score_file.h"

namespace quibbet {

FileStore::FileStore(TableFile& file, std::ostream& warnings) : file_(file), warnings_(warnings) {}

HighScoreRows FileStore::Load() {
  const bool locked = file_.Lock(/*makeFolder=*/false).done;
  const Stored stored = ReadStored(locked);
  if (locked) {
    file_.Unlock();
  }
  if (!stored.news.empty()) {
    Warn(stored.news + (stored.rows ? "" : "; starting from the default table"));
  }
  return stored.rows.value_or(DefaultHighScoreRows());
}

HighScoreRows FileStore::Submit(const HighScoreRows& shown, const Submission& submit) {
  const TableFile::Outcome lock = file_.Lock(/*makeFolder=*/true);
  const Stored stored = ReadStored(lock.done);
  if (stored.rows && !stored.news.empty()) {
    Warn(stored.news);
  }
  const HighScoreRows before = behind_ || !stored.rows ? shown : *stored.rows;
  HighScoreRows rows = before;
  submit(rows);
  if (rows != before) {
    if (!lock.done) {
      NotSaved("cannot lock " + file_.Name() + " (" + lock.detail + ")");
    } else if (!stored.rows) {
      NotSaved(stored.news);
    } else if (const TableFile::Outcome written = file_.Write(HighScoreFileText(rows));
               !written.done) {
      NotSaved("cannot write " + file_.Name() + " (" + written.detail + ")");
    } else {
      behind_ = false;
    }
  }
  if (lock.done) {
    file_.Unlock();
  }
  return rows;
}

FileStore::Stored FileStore::ReadStored(bool locked) {
  const TableFile::Contents contents = file_.Read(kMaxHighScoreFileBytes + 1);
  switch (contents.found) {
    case TableFile::Found::kNone:
      return {DefaultHighScoreRows(), {}};
    case TableFile::Found::kUnreadable:
      return {std::nullopt, "cannot read " + file_.Name() + " (" + contents.error + ")"};
    case TableFile::Found::kFile:
      break;
  }
  const ParsedHighScores parsed = ParseHighScoreFile(contents.bytes);
  if (parsed.rows) {
    return {parsed.rows, {}};
  }
  return BadFile(parsed.problem, locked);
}

// Another copy of the game may be writing a good file in its place, so it is only moved under
// the lock, after it was read under it.
FileStore::Stored FileStore::BadFile(const std::string& problem, bool locked) {
  const std::string what = file_.Name() + " is not a high-score table (" + problem + ")";
  if (!locked) {
    return {std::nullopt, what + "; left it as it is"};
  }
  const TableFile::Outcome moved = file_.MoveAside();
  if (!moved.done) {
    return {std::nullopt, what + " and cannot be moved aside (" + moved.detail + ")"};
  }
  return {DefaultHighScoreRows(),
          what + "; moved it to " + moved.detail + " and started from the default table"};
}

void FileStore::NotSaved(const std::string& why) {
  if (!behind_) {
    Warn(why + "; the high scores are kept in memory only");
  }
  behind_ = true;
}

void FileStore::Warn(const std::string& line) {
  warnings_ << "quibbet: " << line << '\n' << std::flush;
}

}  // namespace quibbet
