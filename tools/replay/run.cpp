// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "replay/run.h"

#include <string>

#include "replay/command_parser.h"
#include "replay/replay.h"
#include "replay/script_error.h"

namespace quibbet::replay {

namespace {

constexpr int kScriptFailed = 2;

}  // namespace

int Run(std::istream& script, std::ostream& out, std::ostream& err, HighScoreStore& store) {
  ScriptedMessageBox box;
  return Run(script, out, err, store, box);
}

int Run(std::istream& script, std::ostream& out, std::ostream& err, HighScoreStore& store,
        ScriptedMessageBox& box) {
  Replay replay(out, store, box);
  std::string line;
  for (long number = 1; std::getline(script, line); ++number) {
    try {
      if (const auto command = ParseLine(line, number)) {
        replay.Execute(*command);
      }
    } catch (const ScriptError& error) {
      out.flush();
      err << "line " << number << ": " << error.what() << '\n';
      return kScriptFailed;
    }
  }
  return 0;
}

}  // namespace quibbet::replay
