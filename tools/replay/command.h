// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "common/message_box.h"
#include "shell/input.h"

// One script command, as parsed: its words checked and its numbers converted, but not yet
// checked against the state of the program. Most are the program's own inputs.

namespace quibbet::replay {

struct Answer {
  MsgBoxAnswer answer;
};
struct Rand {
  std::vector<float> draws;
};
struct UseLcg {
  std::uint32_t seed;
};
// A row of the high-score table as a stored table gives it; row 0 is the top row. The score
// stays text, judged when the row is set.
struct Row {
  int row;
  std::string score;
  std::string name;
};
struct Dump {};

using Command = std::variant<ClickInput, CloseInput, PointerInput, KeyInput, TextInput, TickInput,
                             Row, Answer, Rand, UseLcg, Dump>;

}  // namespace quibbet::replay
