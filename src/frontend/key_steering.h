// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>

#include "common/twips.h"

// The arrow keys, and W A S D, steer the player's square as a pointer would: while one is held,
// each tick moves a pointer of the keyboard's own from where the square is, fast enough to cross
// the field in about a second and a half, a quarter of that with Shift held. The rules see only
// pointer moves, so a recording holds them as it holds the mouse's.

namespace quibbet {

class Form1;

struct PointerPosition {
  Twips x = 0;
  Twips y = 0;
};

class KeySteering {
 public:
  // Whether code is a key that steers (or Shift); it is then held until released.
  bool Press(std::int16_t code);
  void Release(std::int16_t code);
  // Lets go of every key, as when the window loses the keyboard.
  void ReleaseAll() { held_ = 0; }
  // Whether a direction is held.
  bool Steering() const;
  // Where the pointer goes on this tick, kept within the field; none when no direction is held.
  std::optional<PointerPosition> Step(const Form1& form) const;

 private:
  unsigned held_ = 0;  // a bit per key of KeyBit
};

}  // namespace quibbet
