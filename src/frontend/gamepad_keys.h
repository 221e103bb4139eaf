// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

// A gamepad plays as the keyboard does: the left stick or the pad steers as the arrow keys do,
// the bottom face button freezes as the spacebar does, Start pauses as P does. Every front end
// reads its pads into the same state, laid out as the browsers' standard gamepad.

namespace quibbet {

struct GamepadState {
  float x = 0;  // the left stick, -1 (left, up) to 1 (right, down)
  float y = 0;
  std::uint32_t buttons = 0;  // bit i: the standard layout's button i is down
};

// The standard layout's buttons that play.
enum GamepadButton : unsigned {
  kPadSouth = 0,
  kPadStart = 9,
  kPadUp = 12,
  kPadDown = 13,
  kPadLeft = 14,
  kPadRight = 15,
};

class GamepadKeys {
 public:
  struct Changes {
    std::vector<std::int16_t> released;
    std::vector<std::int16_t> pressed;
  };
  // The keys `state` holds that the last state did not, and those it no longer holds.
  Changes Read(const GamepadState& state);

 private:
  unsigned held_ = 0;  // a bit per key of the table in the source
};

}  // namespace quibbet
