// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/game_clock.h"

namespace quibbet {

GameClock::GameClock(QObject* parent) : QObject(parent) {
  // One wake-up per tick keeps the processor idle between ticks; a precise timer keeps the
  // wake-ups close to the step, and the session's pacer absorbs what jitter remains.
  timer_.setTimerType(Qt::PreciseTimer);
  timer_.setInterval(std::chrono::duration_cast<std::chrono::milliseconds>(TickPacer::kStep));
  connect(&timer_, &QTimer::timeout, this, &GameClock::woke);
  clock_.start();
}

std::chrono::nanoseconds GameClock::Now() const {
  return std::chrono::nanoseconds(clock_.nsecsElapsed());
}

void GameClock::SetRunning(bool running) {
  if (running == timer_.isActive()) {
    return;
  }
  if (running) {
    timer_.start();
  } else {
    timer_.stop();
  }
}

}  // namespace quibbet
