// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

#include "frontend/sound_player.h"
#include "frontend/sound_setting.h"

// The page's sound: the effects go to the page's Web Audio module (sound.js) by number, and
// the choice of sound on or off is kept in localStorage, item "quibbet/sound".

namespace quibbet {

class PageSoundPlayer final : public SoundPlayer {
 public:
  void Play(Cue cue) override;
  void Silence() override;
};

class PageSoundSetting final : public SoundSetting {
 public:
  std::optional<bool> Read() override;
  void Write(bool on) override;
};

}  // namespace quibbet
