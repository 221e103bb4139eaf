// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

#include "common/game_event.h"
#include "frontend/choice.h"
#include "frontend/sound_player.h"

// The game heard: each event that has a cue plays its effect, unless the player turned sound
// off. Sound is on until the player turns it off, and the choice is kept for the next run.

namespace quibbet {

class Sound final {
 public:
  // mutedForRun: off for this run whatever the setting says, until the player turns it on.
  Sound(SoundPlayer& player, Settings& settings, bool mutedForRun = false);

  bool on() const { return choice_.on(); }
  // Turns sound off or on, and keeps the choice.
  void Toggle();
  void Hear(const GameEvent& event);
  // The notice that tells the player what M did.
  std::string_view Notice() const { return choice_.Notice(); }

 private:
  SoundPlayer& player_;
  Choice choice_;
};

}  // namespace quibbet
