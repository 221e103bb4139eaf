// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <atomic>
#include <memory>

#include "frontend/sound_player.h"

// The effects' player that the SDL module gives once it is loaded and the device is open, on a
// thread of its own: until then, and for good when the module, the device or the server is
// missing, the game plays silently.

namespace quibbet {

class DeferredSoundPlayer final : public SoundPlayer {
 public:
  // Called once, from any thread; later plays go to `player`.
  void Take(std::unique_ptr<SoundPlayer> player);
  void Play(Cue cue) override;
  void Silence() override;

 private:
  std::unique_ptr<SoundPlayer> player_;  // written once, before `ready_`
  std::atomic<bool> ready_{false};
};

}  // namespace quibbet
