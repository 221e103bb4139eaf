// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

#include "frontend/sound_cue.h"
#include "frontend/sound_player.h"

struct Mix_Chunk;

// The effects through SDL2_mixer: each plays on a mixing channel of its own, so effects that
// overlap are all heard, through a device buffer of a few milliseconds. It lives in the sound
// module, which the program loads on a thread of its own once its first window is up.

namespace quibbet {

class SdlSoundPlayer final : public SoundPlayer {
 public:
  SdlSoundPlayer() = default;
  SdlSoundPlayer(const SdlSoundPlayer&) = delete;
  SdlSoundPlayer& operator=(const SdlSoundPlayer&) = delete;
  ~SdlSoundPlayer() override;

  // Opens the sound device through the sound server and decodes the effects; waits for the
  // server. False, having said why on standard error, when there is no device or server.
  bool Open();
  void Play(Cue cue) override;
  void Silence() override;

 private:
  bool opened_ = false;
  std::array<Mix_Chunk*, kAllCues.size()> chunks_{};
};

}  // namespace quibbet
