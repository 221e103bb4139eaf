// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frontend/sound_cue.h"

namespace quibbet {

std::string_view CueName(Cue cue) {
  switch (cue) {
    case Cue::kYellowPickUp:
      return "yellow-pick-up";
    case Cue::kBluePickUp:
      return "blue-pick-up";
    case Cue::kFreezeStarted:
      return "freeze-started";
    case Cue::kFreezeEnded:
      return "freeze-ended";
    case Cue::kMagentaPickUp:
      return "magenta-pick-up";
    case Cue::kRoundLost:
      return "round-lost";
    case Cue::kScoreEntered:
      return "score-entered";
    case Cue::kScoreRefused:
      return "score-refused";
  }
  return {};
}

std::optional<Cue> CueFor(const GameEvent& event) {
  switch (event.kind) {
    case EventKind::kBlockCollected:
      switch (event.block) {
        case kYellow:
          return Cue::kYellowPickUp;
        case kBlue:
          return Cue::kBluePickUp;
        case kMagenta:
          return Cue::kMagentaPickUp;
        default:
          return std::nullopt;
      }
    case EventKind::kFreezeStarted:
      return Cue::kFreezeStarted;
    case EventKind::kFreezeEnded:
      return Cue::kFreezeEnded;
    case EventKind::kRoundLost:
      return Cue::kRoundLost;
    case EventKind::kScoreEntered:
      return Cue::kScoreEntered;
    case EventKind::kScoreRefused:
      return Cue::kScoreRefused;
    default:
      // A round's start is seen, not heard: the player has just clicked for it.
      return std::nullopt;
  }
}

}  // namespace quibbet
