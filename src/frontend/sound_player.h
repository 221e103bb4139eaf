// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "frontend/sound_cue.h"

// What a front end plays the effects through. Play returns at once: the effect sounds beside
// any still sounding, and no rule waits for it.

namespace quibbet {

class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  virtual void Play(Cue cue) = 0;
  // Stops every effect still sounding.
  virtual void Silence() = 0;
};

}  // namespace quibbet
