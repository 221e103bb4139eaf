// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frontend/gamepad_keys.h"

#include <array>
#include <cstddef>

namespace quibbet {

namespace {

// How far the stick leans before it steers: a stick at rest is rarely at zero.
constexpr float kLean = 0.5F;

bool Down(const GamepadState& state, GamepadButton button) {
  return (state.buttons >> button & 1U) != 0;
}

struct PadKey {
  std::int16_t code;
  bool (*held)(const GamepadState&);
};

constexpr std::array kPadKeys = {
    PadKey{37, [](const GamepadState& s) { return s.x < -kLean || Down(s, kPadLeft); }},
    PadKey{38, [](const GamepadState& s) { return s.y < -kLean || Down(s, kPadUp); }},
    PadKey{39, [](const GamepadState& s) { return s.x > kLean || Down(s, kPadRight); }},
    PadKey{40, [](const GamepadState& s) { return s.y > kLean || Down(s, kPadDown); }},
    PadKey{' ', [](const GamepadState& s) { return Down(s, kPadSouth); }},
    PadKey{'P', [](const GamepadState& s) { return Down(s, kPadStart); }},
};

}  // namespace

GamepadKeys::Changes GamepadKeys::Read(const GamepadState& state) {
  Changes changes;
  for (std::size_t i = 0; i < kPadKeys.size(); ++i) {
    const unsigned bit = 1U << i;
    const bool held = kPadKeys[i].held(state);
    if (held == ((held_ & bit) != 0)) {
      continue;
    }
    held_ ^= bit;
    (held ? changes.pressed : changes.released).push_back(kPadKeys[i].code);
  }
  return changes;
}

}  // namespace quibbet
