// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The pace of the game comes from the clock: whatever rate the timer fires at, the game gets
// 62.5 ticks a second, one at a time, and never races to make up for a stall.

#include "game/tick_pacer.h"

#include <gtest/gtest.h>

#include <chrono>

namespace quibbet {
namespace {

using namespace std::chrono_literals;
using Duration = TickPacer::Duration;

// Calls the pacer every period for the given time; returns the ticks it handed out.
int TicksOver(TickPacer& pacer, Duration& now, Duration period, Duration total) {
  int ticks = 0;
  for (const Duration end = now + total; now < end;) {
    now += period;
    ticks += pacer.TicksDue(now);
  }
  return ticks;
}

TEST(TickPacer, GivesSixtyTwoAndAHalfTicksASecondAtAnyTimerRate) {
  for (const Duration period : {1ms, 4ms, 10ms, 16ms, 40ms}) {
    TickPacer pacer;
    Duration now = 5s;
    pacer.Restart(now);
    EXPECT_EQ(TicksOver(pacer, now, period, 64s), 4000) << period.count();
  }
}

TEST(TickPacer, ATimerJitteringAroundTheStepStillGivesOneTickEachTime) {
  TickPacer pacer;
  Duration now{};
  pacer.Restart(now);
  for (int i = 0; i < 1000; ++i) {
    now += (i % 2 == 0) ? 11ms : 21ms;
    EXPECT_EQ(pacer.TicksDue(now), 1) << i;
  }
}

TEST(TickPacer, AStallGivesAFewTicksAndThenTheNormalPace) {
  TickPacer pacer;
  Duration now{};
  pacer.Restart(now);
  now += 1s;
  EXPECT_EQ(pacer.TicksDue(now), TickPacer::kMaxTicksPerCall);
  for (int i = 0; i < 10; ++i) {
    now += 16ms;
    EXPECT_EQ(pacer.TicksDue(now), 1);
  }
}

TEST(TickPacer, NothingIsCarriedOverARestart) {
  TickPacer pacer;
  Duration now{};
  pacer.Restart(now);
  now += 15ms;
  EXPECT_EQ(pacer.TicksDue(now), 1);
  now += 7s;  // the timer was stopped: the round had ended
  pacer.Restart(now);
  now += 7ms;
  EXPECT_EQ(pacer.TicksDue(now), 0);
  now += 9ms;
  EXPECT_EQ(pacer.TicksDue(now), 1);
}

}  // namespace
}  // namespace quibbet
