// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "scores/high_score_store.h"
#include "scores/table_file.h"

// The high-score table kept in a file that every copy of the game shares. A file that is not a
// table is moved aside, never half-read and never deleted; a file that cannot be read is never
// written over. A problem never stops play: it is told in one line on the warnings stream, and
// the table on screen stays right.

namespace quibbet {

class FileStore final : public HighScoreStore {
 public:
  FileStore(TableFile& file, std::ostream& warnings);

  HighScoreRows Load() override;
  // Under the file's lock: reads the file, runs submit on its table and writes the result.
  HighScoreRows Submit(const HighScoreRows& shown, const Submission& submit) override;

 private:
  struct Stored {
    std::optional<HighScoreRows> rows;  // none when the file must not be written over
    std::string news;                   // what the player should hear about the file
  };
  // The default rows stand in for a missing file and for a bad one that could be moved aside,
  // which needs the lock.
  Stored ReadStored(bool locked);
  Stored BadFile(const std::string& problem, bool locked);
  // Says why an entry was not saved, once until the file is saved again.
  void NotSaved(const std::string& why);
  void Warn(const std::string& line);

  TableFile& file_;
  std::ostream& warnings_;
  // The file lacks an entry of the table on screen, which is then the one to build on.
  bool behind_ = false;
};

}  // namespace quibbet
