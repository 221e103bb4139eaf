// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/after_first_frame.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <utility>

namespace quibbet {

AfterFirstFrame::AfterFirstFrame(std::function<void()> task) : task_(std::move(task)) {
  QCoreApplication::instance()->installEventFilter(this);
}

bool AfterFirstFrame::eventFilter(QObject* /*watched*/, QEvent* event) {
  if (event->type() == QEvent::Paint && task_) {
    QCoreApplication::instance()->removeEventFilter(this);
    // Queued, so it runs once the paint has ended and the frame gone to the display.
    QTimer::singleShot(0, this, std::exchange(task_, nullptr));
  }
  return false;
}

}  // namespace quibbet
