// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "frontend/sound_player.h"

// The page's sound: the effects go to the page's Web Audio module (sound.js) by number.

namespace quibbet {

class PageSoundPlayer final : public SoundPlayer {
 public:
  void Play(Cue cue) override;
  void Silence() override;
};

}  // namespace quibbet
