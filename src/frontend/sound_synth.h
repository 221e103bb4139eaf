// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "frontend/sound_cue.h"

// The game's sound effects are drawn from a few numbers each: tones that glide from one pitch to
// another under a short envelope. Only additions, multiplications and a polynomial sine are
// used, so every build and every machine with IEEE doubles draws the same samples: the build for
// the desktop's WAV files and the page for its own.

namespace quibbet {

inline constexpr int kEffectRate = 22050;
// Each effect peaks here, so that three sounding at once still stay below full scale.
inline constexpr double kEffectPeak = 0.3;

struct EffectTone {
  double startMs;
  double lengthMs;
  double fromHz;
  double toHz;   // the pitch glides in a straight line
  double level;  // against the effect's loudest tone
  // The 2nd and 3rd harmonics' share: brighter or hollower at the same pitch.
  double second;
  double third;
};

// The tones of a cue's effect.
std::span<const EffectTone> TonesOf(Cue cue);

// The effect as 16-bit samples at kEffectRate, its peak at kEffectPeak of full scale.
std::vector<std::int16_t> RenderEffect(Cue cue);

}  // namespace quibbet
