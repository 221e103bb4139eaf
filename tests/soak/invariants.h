// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "game/form1.h"
#include "shell/shell.h"
#include "soak_event.h"

// What must hold in the game window after every event, however the player plays. The checker
// remembers just enough of the previous state to judge changes: scores that may only rise, a
// freeze's length, and a hidden window that nothing may touch.

namespace quibbet::soak {

// Everything of the game window that the shell's buttons must leave alone.
struct WindowSnapshot {
  std::array<std::string, 5> captions;  // score, best score, final score, countdown, name box
  std::array<std::string, kTableRows> names;
  std::array<std::string, kTableRows> scores;
  std::array<Twips, 2 * kBlockCount + 4> positions;  // every block's left and top, the square
  std::array<Colour, kBlockCount> colours;
  std::array<Boolean, 2 * kBlockCount> directions;
  std::array<std::int16_t, 2> counters;  // tickcount, bestscore
  std::array<Boolean, 3> flags;          // frozen, freezeready, submitted
  bool timerEnabled = false;

  bool operator==(const WindowSnapshot&) const = default;
};
WindowSnapshot Snapshot(const Form1& form);

// The high-score table's entries, top row first: score and name.
using TableRows = std::array<std::pair<std::string, std::string>, kTableRows>;
TableRows RowsOf(const HighScoreTable& table);

class Invariants {
 public:
  // Starts from the game window as the player first sees it.
  explicit Invariants(const Form1& form);

  // Checks the windows after one event; returns what broke, nothing when all holds.
  std::vector<std::string> After(const Shell& shell, const Event& event);

 private:
  using Broken = std::vector<std::string>;
  void CheckBlocks(const Form1& form, const Event& event, Broken& broken);
  void CheckScores(const Form1& form, const Event& event, Broken& broken);
  void CheckTable(const Form1& form, const Event& event, Broken& broken);
  static void CheckScreen(const Form1& form, Broken& broken);
  void CheckFreeze(const Form1& form, const Event& event, Broken& broken);
  void CheckHiddenWindow(const Form1& form, const Event& event, Broken& broken);

  std::array<Twips, kBlockCount> widths_{};
  std::array<Twips, kBlockCount> heights_{};
  std::array<Colour, kBlockCount> designColours_{};
  std::array<Twips, kBlockCount> lefts_{};
  TableRows table_;
  double score_ = 0;
  double best_ = 0;
  bool wasFrozen_ = false;
  bool wasArmed_ = false;
  int ticksSinceFreeze_ = 0;
  // Kept while the round is over: only then can the player reach the shell's buttons.
  std::optional<WindowSnapshot> gameOverScreen_;
};

}  // namespace quibbet::soak
