// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <ostream>

#include "replay/command.h"
#include "replay/queued_random.h"
#include "replay/scripted_message_box.h"
#include "replay/scripted_table.h"
#include "shell/shell.h"

// A run of the program driven by script commands instead of a toolkit: the shell's windows and
// handlers as the desktop program runs them, with scripted draws, message-box answers and
// high-score rows.

namespace quibbet::replay {

class Replay {
 public:
  // Starts the program: the main menu is loaded and shown. Dumps go to out, with the boxes shown
  // in box, the store's own included.
  Replay(std::ostream& out, HighScoreStore& store, ScriptedMessageBox& box);

  // Throws ScriptError when the command is impossible in the current state.
  void Execute(const Command& command);

 private:
  // The program's own inputs.
  template <typename In>
  void Execute(const In& input);
  void Execute(const Answer& answer);
  void Execute(const Rand& rand);
  void Execute(const UseLcg& lcg);
  void Execute(const Row& row);
  void Execute(const Dump& dump);

  // The shell keeps references to these, so they are declared before it.
  QueuedRandom random_;
  ScriptedMessageBox& box_;
  ScriptedTable table_;
  Shell shell_;
  std::ostream& out_;
};

}  // namespace quibbet::replay
