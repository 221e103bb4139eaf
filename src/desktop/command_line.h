// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

// The game opens its menu whatever it is given; the command line answers --help and --version,
// names a file to put the session on record in, and refuses what it does not know, before any
// window or display is needed.

namespace quibbet {

struct CommandLine {
  // Set when the program is to stop at once with this status instead of opening the menu.
  std::optional<int> exit_status;
  // --record FILE: the session's replay script goes to FILE, the states it prints to FILE.jsonl.
  std::optional<std::string> record_file;
  // --overwrite: a recording may replace FILE and FILE.jsonl.
  bool overwrite = false;
  // --mute: no sound for this run, whatever the kept setting says, until the player presses M.
  bool mute = false;
};

CommandLine ReadCommandLine(int argc, char** argv);

}  // namespace quibbet
