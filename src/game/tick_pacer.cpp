// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/tick_pacer.h"

namespace quibbet {

namespace {

// Starting half a step in puts every tick boundary midway between two timer events of the
// step's period, so a timer that fires a little early or late still yields one tick each time
// instead of none and then two.
constexpr TickPacer::Duration kPhase = TickPacer::kStep / 2;

}  // namespace

void TickPacer::Restart(Duration now) {
  last_ = now;
  owed_ = kPhase;
}

int TickPacer::TicksDue(Duration now) {
  owed_ += now - last_;
  last_ = now;
  const auto due = owed_ / kStep;
  if (due > kMaxTicksPerCall) {
    // The timer restarts its rhythm after a stall; so does the pacer.
    owed_ = kPhase;
    return kMaxTicksPerCall;
  }
  owed_ -= due * kStep;
  return static_cast<int>(due);
}

}  // namespace quibbet
