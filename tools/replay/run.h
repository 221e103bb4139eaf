// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <istream>
#include <ostream>

#include "replay/scripted_message_box.h"
#include "scores/high_score_store.h"

namespace quibbet::replay {

// Runs a whole script: one JSON line on out for each dump. Returns 0 when every line ran; on the
// first malformed or impossible command, writes "line N: reason" on err and returns 2, keeping
// what was already written. The game window keeps its high-score table in store.
int Run(std::istream& script, std::ostream& out, std::ostream& err,
        HighScoreStore& store = KeptInMemory());
// The same, with the message box that the store tells the player through as well.
int Run(std::istream& script, std::ostream& out, std::ostream& err, HighScoreStore& store,
        ScriptedMessageBox& box);

}  // namespace quibbet::replay
