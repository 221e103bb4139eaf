// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/game_clock.h"

#include <chrono>

namespace quibbet {

GameClock::GameClock(QObject* parent) : QObject(parent) {
  // One wake-up per tick keeps the processor idle between ticks; a precise timer keeps the
  // wake-ups close to the step, and the pacer absorbs what jitter remains.
  timer_.setTimerType(Qt::PreciseTimer);
  timer_.setInterval(std::chrono::duration_cast<std::chrono::milliseconds>(TickPacer::kStep));
  connect(&timer_, &QTimer::timeout, this, &GameClock::OnTimer);
}

void GameClock::SetRunning(bool running) {
  if (running == timer_.isActive()) {
    return;
  }
  if (!running) {
    timer_.stop();
    return;
  }
  clock_.start();
  pacer_.Restart(TickPacer::Duration::zero());
  timer_.start();
}

void GameClock::OnTimer() {
  const int due = pacer_.TicksDue(TickPacer::Duration(clock_.nsecsElapsed()));
  if (due > 0) {
    emit ticksDue(due);
  }
}

}  // namespace quibbet
