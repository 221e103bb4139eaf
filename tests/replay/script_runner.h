// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "replay/run.h"

// Runs a script in-process, as quibbet-replay would, and keeps what it printed.

namespace quibbet::replay {

struct ScriptResult {
  int exitCode = 0;
  std::string out;
  std::string err;
  std::vector<nlohmann::json> dumps;
};

inline ScriptResult RunScript(const std::string& script) {
  std::istringstream in(script);
  std::ostringstream out;
  std::ostringstream err;
  ScriptResult result;
  result.exitCode = Run(in, out, err);
  result.out = out.str();
  result.err = err.str();
  std::istringstream lines(result.out);
  for (std::string line; std::getline(lines, line);) {
    result.dumps.push_back(nlohmann::json::parse(line));
  }
  return result;
}

// Draws for a first round, two per block (Left, then Top) for blocks 0 to 8; the magenta block
// draws none. With Left = floor(r (upper - lower + 1) + lower) they place the blocks at
//   0 red (-8904, 5115)    1 red (-10000, 9495)    2 red (-5615, 736)     3 red (-7807, 8400)
//   4 yellow (-7687, 7305) 5 yellow (-6531, 2925)  6 yellow (-9422, 1830) 7 yellow (-10000, 5115)
//   8 blue (-7627, 5115)   and magenta stays at its design Top, 7080, with Left -100000.
inline const std::string kPlaces =
    "rand 0.25 0.5 0 0 0.99999994 0.99999994 0.5 0.125 0.5 0.25 0.75 0.75 0.125 0.875 0 0.5 0.5 "
    "0.5\n";
// A rand line queueing the same draw count times.
inline std::string SameDraws(int count, const std::string& r) {
  std::string line = "rand";
  for (int i = 0; i < count; ++i) {
    line += " " + r;
  }
  return line + "\n";
}

inline const std::string kPlay = kPlaces + "click cmdplay\n";
// The square on red block 0 before it moves: the first tick ends the round with score 0.
inline const std::string kLoseFirstRound = kPlay + "move -8904 5115\ntick\n";

}  // namespace quibbet::replay
