// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "common/message_box.h"
#include "game/form1.h"

// What the benchmarks share: a message box nobody has to answer, a round in full play that no
// block can end, and the percentiles of a probe's figures.

namespace quibbet::bench {

// Answers every box at once, as a player who clicks its first button would.
class SilentMessageBox final : public MessageBox {
 public:
  MsgBoxAnswer Show(std::string_view /*text*/, std::string_view /*title*/,
                    MsgBoxStyle style) override {
    return style == MsgBoxStyle::kYesNo ? MsgBoxAnswer::kYes : MsgBoxAnswer::kOk;
  }
};

// Blocks only ever move right and are never put back further left than 100000 twips, so a square
// this far left is out of every block's reach and the round lasts for as long as it is ticked.
inline constexpr float kOutOfReachLeft = -200000;
inline constexpr float kOutOfReachTop = 2000;

inline void MoveOutOfReach(Form1& form) {
  form.Form_MouseMove(kOutOfReachLeft, kOutOfReachTop);
}

// Blocks start up to 10000 twips left of the window and travel 50 twips a tick: after this many
// ticks every block but the late magenta one is inside the window.
inline constexpr int kTicksUntilBlocksInside = 220;

// Loads the game window and plays its first round until the blocks are in the window.
inline void StartPlaying(Form1& form) {
  form.Form_Load();
  MoveOutOfReach(form);
  for (int i = 0; i < kTicksUntilBlocksInside; ++i) {
    form.Timer1_Timer();
  }
}

// The value below which the given fraction of the sorted values lie (nearest rank).
inline double Percentile(const std::vector<double>& sorted, double fraction) {
  const auto rank = static_cast<std::size_t>(fraction * static_cast<double>(sorted.size() - 1));
  return sorted[rank];
}

}  // namespace quibbet::bench
