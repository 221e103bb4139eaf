// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <cstdint>

#include "common/twips.h"

// The game measures time in ticks of its timer and distance in block steps; every duration and
// every far-off place below follows from the two.

namespace quibbet {

// 62.5 ticks a second: the pace at which the freeze's 250 ticks last the four seconds the help
// window promises.
inline constexpr std::chrono::nanoseconds kTickStep = std::chrono::milliseconds(16);

// A block travels one step right and one step up or down in every unfrozen tick.
inline constexpr Twips kBlockStep = 50;

// Four seconds of ticks.
inline constexpr std::int16_t kFreezeTicks = 250;
// The countdown shows "4" on the first frozen tick; then each shown second lasts 62.5 ticks,
// rounded down where it ends.
inline constexpr std::int16_t kCountdownFour = 1;
inline constexpr std::int16_t kCountdownThree = 62;
inline constexpr std::int16_t kCountdownTwo = 124;
inline constexpr std::int16_t kCountdownOne = 187;
// Eight ticks before the blocks move again, the colours and the countdown return to normal.
inline constexpr std::int16_t kCountdownEnds = 242;

// The magenta block starts 2000 steps left of the window: 32 seconds of travel to the left edge
// and a few more ticks into reach, the "33 seconds" of the help window.
inline constexpr Twips kMagentaStartLeft = -100000;
// Once collected it comes back after 1500 steps, 24 seconds.
inline constexpr Twips kMagentaCollectedLeft = -75000;
// A collected blue block waits 1000 to 2000 steps, 16 to 32 seconds, before it comes back.
inline constexpr std::int32_t kBlueCollectedNearest = -50000;
inline constexpr std::int32_t kBlueCollectedFarthest = -100000;
// Where a freeze parks the blue block: it does not move while the freeze lasts and comes back
// 1000 unfrozen steps later.
inline constexpr Twips kBlueFreezeLeft = -50000;
// The nearest and farthest start of an ordinary block, and of a collected yellow one: at most
// 200 steps, about three seconds, from the window.
inline constexpr std::int32_t kRoundStartFarthest = -10000;
inline constexpr Twips kRoundStartGap = 5000;  // the nearest start, beyond the block's own width

}  // namespace quibbet
