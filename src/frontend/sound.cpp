// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frontend/sound.h"

#include "frontend/sound_cue.h"

namespace quibbet {

Sound::Sound(SoundPlayer& player, Settings& settings, bool mutedForRun)
    : player_(player), choice_(settings, kSoundChoice, mutedForRun) {}

void Sound::Toggle() {
  choice_.Toggle();
  if (!choice_.on()) {
    player_.Silence();
  }
}

void Sound::Hear(const GameEvent& event) {
  if (!choice_.on()) {
    return;
  }
  if (const auto cue = CueFor(event)) {
    player_.Play(*cue);
  }
}

}  // namespace quibbet
