// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/deferred_sound_player.h"

namespace quibbet {

void DeferredSoundPlayer::Take(std::unique_ptr<SoundPlayer> player) {
  player_ = std::move(player);
  ready_ = player_ != nullptr;
}

void DeferredSoundPlayer::Play(Cue cue) {
  if (ready_) {
    player_->Play(cue);
  }
}

void DeferredSoundPlayer::Silence() {
  if (ready_) {
    player_->Silence();
  }
}

}  // namespace quibbet
