// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <atomic>
#include <thread>

#include "frontend/sound_cue.h"
#include "frontend/sound_player.h"

struct Mix_Chunk;

// The effects through SDL2_mixer: each plays on a mixing channel of its own, so effects that
// overlap are all heard, through a device buffer of a few milliseconds. The device opens on a
// thread of its own, so the windows never wait for the sound server; until it is open, and for
// good when there is no sound device or server, the game plays silently.

namespace quibbet {

class SdlSoundPlayer final : public SoundPlayer {
 public:
  SdlSoundPlayer() = default;
  SdlSoundPlayer(const SdlSoundPlayer&) = delete;
  SdlSoundPlayer& operator=(const SdlSoundPlayer&) = delete;
  ~SdlSoundPlayer() override;

  // Starts opening the sound device; call once, after the first window is shown.
  void Open();
  void Play(Cue cue) override;
  void Silence() override;

 private:
  void OpenDevice();

  std::thread opener_;
  std::atomic<bool> ready_{false};
  bool opened_ = false;  // SDL's audio is up, on the opener's word
  std::array<Mix_Chunk*, kAllCues.size()> chunks_{};
};

}  // namespace quibbet
