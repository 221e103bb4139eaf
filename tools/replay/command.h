// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
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
struct Dump {};

using Command = std::variant<ClickInput, CloseInput, PointerInput, KeyInput, TextInput, TickInput,
                             RowInput, Answer, Rand, UseLcg, Dump>;

}  // namespace quibbet::replay
