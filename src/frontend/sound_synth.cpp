// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frontend/sound_synth.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace quibbet {

namespace {

constexpr double kPi = 3.14159265358979323846;
// Every tone starts and stops on a short ramp, so no effect clicks.
constexpr double kAttackMs = 4;

// The notes the effects are made of, in hertz.
constexpr double kC5 = 523.25;
constexpr double kE5 = 659.26;
constexpr double kG5 = 783.99;
constexpr double kA5 = 880.0;
constexpr double kC6 = 1046.5;
constexpr double kD6 = 1174.66;
constexpr double kE6 = 1318.51;

// startMs, lengthMs, fromHz, toHz, level, second, third
constexpr std::array<EffectTone, 1> kYellowTones = {{{0, 70, kE6, 1760, 1, 0.15, 0}}};
constexpr std::array<EffectTone, 2> kBlueTones = {
    {{0, 55, kA5, kA5, 0.8, 0.3, 0.1}, {55, 75, kD6, kD6, 1, 0.3, 0.1}}};
constexpr std::array<EffectTone, 1> kMagentaTones = {{{0, 140, 990, 620, 1, 0.1, 0.25}}};
constexpr std::array<EffectTone, 2> kFreezeStartTones = {
    {{0, 300, 1600, 500, 1, 0, 0.2}, {40, 260, 2400, 750, 0.35, 0, 0}}};
constexpr std::array<EffectTone, 2> kFreezeEndTones = {
    {{0, 240, 500, 1050, 1, 0, 0.2}, {30, 210, 750, 1575, 0.35, 0, 0}}};
constexpr std::array<EffectTone, 3> kLostTones = {{{0, 220, 392, 392, 1, 0.4, 0.2},
                                                   {200, 220, 330, 330, 1, 0.4, 0.2},
                                                   {400, 450, 262, 196, 1, 0.4, 0.2}}};
constexpr std::array<EffectTone, 4> kEnteredTones = {{{0, 120, kC5, kC5, 0.8, 0.2, 0},
                                                      {90, 120, kE5, kE5, 0.8, 0.2, 0},
                                                      {180, 120, kG5, kG5, 0.8, 0.2, 0},
                                                      {270, 200, kC6, kC6, 1, 0.2, 0}}};
constexpr std::array<EffectTone, 2> kRefusedTones = {
    {{0, 140, 220, 208, 1, 0, 0.45}, {190, 160, 208, 196, 1, 0, 0.45}}};

// sin(2 pi x) for any x, in cycles: reduced to a quarter wave, then a Taylor series whose
// error is far below a 16-bit step.
double SineOfCycles(double x) {
  x -= std::floor(x);  // [0, 1)
  if (x > 0.75) {
    x -= 1;  // (-0.25, 0.25]
  } else if (x > 0.25) {
    x = 0.5 - x;  // sin(pi - a) = sin(a)
  }
  const double a = 2 * kPi * x;
  const double a2 = a * a;
  double term = a;
  double sum = a;
  for (int n = 1; n <= 6; ++n) {
    term *= -a2 / ((2 * n) * (2 * n + 1));
    sum += term;
  }
  return sum;
}

// Rises over the attack, then falls to nothing by the tone's end as a square of what is left.
double Envelope(double ms, double lengthMs) {
  const double rise = std::min(1.0, ms / kAttackMs);
  const double left = 1 - ms / lengthMs;
  return rise * left * left;
}

void AddTone(const EffectTone& tone, std::vector<double>& out) {
  const auto first = static_cast<std::size_t>(tone.startMs * kEffectRate / 1000);
  const auto count = static_cast<std::size_t>(tone.lengthMs * kEffectRate / 1000);
  const double norm = tone.level / (1 + tone.second + tone.third);
  double phase = 0;  // in cycles of the fundamental
  for (std::size_t i = 0; i < count; ++i) {
    const double ms = static_cast<double>(i) * 1000 / kEffectRate;
    const double hz = tone.fromHz + (tone.toHz - tone.fromHz) * ms / tone.lengthMs;
    const double wave = SineOfCycles(phase) + tone.second * SineOfCycles(2 * phase) +
                        tone.third * SineOfCycles(3 * phase);
    out[first + i] += norm * Envelope(ms, tone.lengthMs) * wave;
    phase += hz / kEffectRate;
  }
}

}  // namespace

std::span<const EffectTone> TonesOf(Cue cue) {
  switch (cue) {
    case Cue::kYellowPickUp:
      return kYellowTones;
    case Cue::kBluePickUp:
      return kBlueTones;
    case Cue::kFreezeStarted:
      return kFreezeStartTones;
    case Cue::kFreezeEnded:
      return kFreezeEndTones;
    case Cue::kMagentaPickUp:
      return kMagentaTones;
    case Cue::kRoundLost:
      return kLostTones;
    case Cue::kScoreEntered:
      return kEnteredTones;
    case Cue::kScoreRefused:
      return kRefusedTones;
  }
  return {};
}

std::vector<std::int16_t> RenderEffect(Cue cue) {
  const std::span<const EffectTone> tones = TonesOf(cue);
  double endMs = 0;
  for (const EffectTone& tone : tones) {
    endMs = std::max(endMs, tone.startMs + tone.lengthMs);
  }
  std::vector<double> mix(static_cast<std::size_t>(endMs * kEffectRate / 1000) + 1);
  for (const EffectTone& tone : tones) {
    AddTone(tone, mix);
  }
  double peak = 0;
  for (double sample : mix) {
    peak = std::max(peak, std::abs(sample));
  }
  const double scale = peak > 0 ? kEffectPeak * 32767 / peak : 0;
  std::vector<std::int16_t> samples;
  samples.reserve(mix.size());
  for (double sample : mix) {
    samples.push_back(static_cast<std::int16_t>(std::lround(sample * scale)));
  }
  return samples;
}

}  // namespace quibbet
