// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include "frontend/session.h"

// The game window's timer on the desktop: the monotonic clock the session paces the game by,
// and a Qt timer that wakes the program once a tick's step while the session has ticks to run.

namespace quibbet {

class GameClock final : public QObject, public SteadyClock {
  Q_OBJECT

 public:
  explicit GameClock(QObject* parent = nullptr);

  std::chrono::nanoseconds Now() const override;
  void SetRunning(bool running);
  bool running() const { return timer_.isActive(); }

 signals:
  void woke();

 private:
  QTimer timer_;
  QElapsedTimer clock_;
};

}  // namespace quibbet
