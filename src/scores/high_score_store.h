// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

#include "scores/high_score_rows.h"

// Where the high-score table lives between loads of the game window. Every submission goes
// through the store, so that a store shared by several copies of the game can make it against
// the table as it stands at that moment.

namespace quibbet {

class HighScoreStore {
 public:
  using Submission = std::function<void(HighScoreRows&)>;

  virtual ~HighScoreStore() = default;
  // The table the game window shows when it is loaded.
  virtual HighScoreRows Load() = 0;
  // Runs submit on the table as the store holds it now, keeps the result, and returns the table
  // to show; a store that holds no table of its own runs it on shown.
  virtual HighScoreRows Submit(const HighScoreRows& shown, const Submission& submit) = 0;
  // The table to show as a round ends: the store's as it stands now, which another copy of the
  // game may have changed since.
  virtual HighScoreRows Current(const HighScoreRows& shown) {
    return Submit(shown, [](HighScoreRows&) {});
  }
};

// The store of a game that keeps nothing: the default rows at every load, and every submission
// made against the table on screen. It holds no state, so one serves every window.
HighScoreStore& KeptInMemory();

}  // namespace quibbet
