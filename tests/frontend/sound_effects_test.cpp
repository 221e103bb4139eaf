// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The effects as the build draws them: the same bytes at every build, short, and with room for
// several at once below full scale.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <set>

#include "frontend/sound_synth.h"
#include "sound/wav_file.h"

namespace quibbet::testing {
namespace {

std::uint64_t Fnv1a(const std::vector<std::uint8_t>& bytes) {
  std::uint64_t hash = 0xcbf29ce484222325u;
  for (std::uint8_t b : bytes) {
    hash = (hash ^ b) * 0x100000001b3u;
  }
  return hash;
}

TEST(SoundEffects, EachIsTheSameFileAtEveryBuildShortAndBelowFullScale) {
  const struct {
    Cue cue;
    int longestMs;
    std::uint64_t checksum;  // FNV-1a of the WAV file
  } cases[] = {
      {Cue::kYellowPickUp, 150, 11919027527529548285u},
      {Cue::kBluePickUp, 150, 9839901099741044554u},
      {Cue::kMagentaPickUp, 150, 16577599983685564538u},
      {Cue::kFreezeStarted, 400, 12934759255285206565u},
      {Cue::kFreezeEnded, 400, 5215791105561497657u},
      {Cue::kRoundLost, 1000, 17467549637196837518u},
      {Cue::kScoreEntered, 600, 15836426703215490139u},
      {Cue::kScoreRefused, 600, 11651498202778367952u},
  };
  std::set<std::uint64_t> distinct;
  for (const auto& c : cases) {
    SCOPED_TRACE(CueName(c.cue));
    const std::vector<std::int16_t> samples = RenderEffect(c.cue);
    const auto wav = WavFile(samples, kEffectRate);
    EXPECT_EQ(Fnv1a(wav), c.checksum);
    distinct.insert(Fnv1a(wav));
    EXPECT_LE(samples.size() * 1000, static_cast<std::size_t>(c.longestMs) * kEffectRate);
    int peak = 0;
    for (std::int16_t s : samples) {
      peak = std::max(peak, std::abs(static_cast<int>(s)));
    }
    // Three at once stay below full scale.
    EXPECT_EQ(peak, static_cast<int>(kEffectPeak * 32767 + 0.5));
    EXPECT_LT(3 * peak, 32767);
    // It starts and ends at rest, so it does not click.
    EXPECT_LT(std::abs(samples.front()) + std::abs(samples.back()), 200);
    EXPECT_EQ(wav.size(), 44 + 2 * samples.size());
  }
  EXPECT_EQ(distinct.size(), std::size(cases));
}

}  // namespace
}  // namespace quibbet::testing
