// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "common/game_event.h"

// The game's sound effects and which event each one answers: one table for every front end.
// Each effect is a file of its own, named after its cue.

namespace quibbet {

enum class Cue {
  kYellowPickUp,
  kBluePickUp,  // a freeze is ready
  kFreezeStarted,
  kFreezeEnded,
  kMagentaPickUp,
  kRoundLost,
  kScoreEntered,
  kScoreRefused,
};

inline constexpr std::array kAllCues = {
    Cue::kYellowPickUp,  Cue::kBluePickUp, Cue::kFreezeStarted, Cue::kFreezeEnded,
    Cue::kMagentaPickUp, Cue::kRoundLost,  Cue::kScoreEntered,  Cue::kScoreRefused,
};

// The effect's file name without ".wav": "yellow-pick-up".
std::string_view CueName(Cue cue);

// The effect an event sounds, if any.
std::optional<Cue> CueFor(const GameEvent& event);

}  // namespace quibbet
