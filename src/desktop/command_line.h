// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

// The game opens its menu whatever it is given; the command line only answers --help and
// --version and refuses what it does not know, before any window or display is needed.

namespace quibbet {

struct CommandLine {
  // Set when the program is to stop at once with this status instead of opening the menu.
  std::optional<int> exit_status;
};

CommandLine ReadCommandLine(int argc, char** argv);

}  // namespace quibbet
