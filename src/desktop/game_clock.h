// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include "game/tick_pacer.h"

// The game window's timer on the desktop: a Qt timer wakes it, the monotonic clock decides how
// many game ticks are due.

namespace quibbet {

class GameClock final : public QObject {
  Q_OBJECT

 public:
  explicit GameClock(QObject* parent = nullptr);

  // Starting afresh carries no time over from before the clock was stopped.
  void SetRunning(bool running);
  bool running() const { return timer_.isActive(); }

 signals:
  void ticksDue(int count);

 private:
  void OnTimer();

  QTimer timer_;
  QElapsedTimer clock_;
  TickPacer pacer_;
};

}  // namespace quibbet
