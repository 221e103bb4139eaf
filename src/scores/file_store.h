// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "common/message_box.h"
#include "scores/high_score_store.h"
#include "scores/table_file.h"

// The high-score table kept in a file that every copy of the game shares. A file that is not a
// table is moved aside, never half-read and never deleted; a file that cannot be read, or that a
// newer version wrote, is never written over. A problem never stops play: the player is told in
// a message box, once for each cause, and the warnings get the same line. An entry that
// could not be saved stays in the table on screen and is entered again into the file's table at
// the next save that works.

namespace quibbet {

class FileStore final : public HighScoreStore {
 public:
  // Where each notice goes besides the player's box, as one line: standard error, the browser's
  // console. A plain function, so that the web page's module carries no C++ streams.
  using Warnings = std::function<void(const std::string& line)>;

  // player: the box the player reads the notices in.
  FileStore(TableFile& file, Warnings warnings, MessageBox& player);

  HighScoreRows Load() override;
  // Under the file's lock: reads the file, enters the entries it lacks and runs submit on its
  // table, and writes the result when it holds an entry the file lacks.
  HighScoreRows Submit(const HighScoreRows& shown, const Submission& submit) override;
  // Reads the file without the lock, which only writers need, and says nothing.
  HighScoreRows Current(const HighScoreRows& shown) override;

 private:
  struct Notice {
    std::string text;
    MsgBoxStyle style = MsgBoxStyle::kOkOnly;
  };
  struct Stored {
    std::optional<HighScoreRows> rows;  // none when the file must not be written over
    std::optional<Notice> notice;       // what the player should hear about the file
  };
  // The default rows stand in for a missing file and for a bad one that could be moved aside,
  // which needs the lock.
  Stored ReadStored(bool locked);
  Stored BadFile(const std::string& problem, bool locked);
  // The table of the file, or the default rows when it cannot be used, with the entries the
  // file lacks entered again.
  HighScoreRows WithUnsaved(const std::optional<HighScoreRows>& stored) const;
  // Made after the lock is given back, so that another copy never waits on a player reading.
  void Tell(const std::optional<Notice>& notice);

  TableFile& file_;
  Warnings warnings_;
  MessageBox& player_;
  std::vector<HighScoreRow> unsaved_;  // oldest first
  std::set<std::string> told_;
};

}  // namespace quibbet
