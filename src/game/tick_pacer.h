// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>

#include "game/pace.h"

// Turns the time a monotonic clock has measured into whole game ticks at a fixed step, so the
// game runs at the same pace whatever rate the platform's timer really delivers.

namespace quibbet {

class TickPacer {
 public:
  using Duration = std::chrono::nanoseconds;

  static constexpr Duration kStep = kTickStep;
  // After a stall the game drops the time it missed rather than racing to catch up.
  static constexpr int kMaxTicksPerCall = 4;

  // Starts counting from now with nothing owed from before.
  void Restart(Duration now);
  // The ticks that have fallen due since the last call.
  int TicksDue(Duration now);

 private:
  Duration last_{};
  Duration owed_{};
};

}  // namespace quibbet
