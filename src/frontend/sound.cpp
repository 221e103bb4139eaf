// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frontend/sound.h"

#include "frontend/sound_cue.h"

namespace quibbet {

Sound::Sound(SoundPlayer& player, SoundSetting& setting, bool mutedForRun)
    : player_(player), setting_(setting), on_(!mutedForRun && setting.Read().value_or(true)) {}

void Sound::Toggle() {
  on_ = !on_;
  if (!on_) {
    player_.Silence();
  }
  setting_.Write(on_);
}

void Sound::Hear(const GameEvent& event) {
  if (!on_) {
    return;
  }
  if (const auto cue = CueFor(event)) {
    player_.Play(*cue);
  }
}

}  // namespace quibbet
