// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Preloaded into a Qt Widgets program: when its first window has painted its first frame, writes
// the moment (CLOCK_MONOTONIC, in nanoseconds) on standard output and ends the program there.

#include <time.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <cstdio>

namespace {

class FirstFrameWatcher final : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!painted_ && event->type() == QEvent::Paint && IsWindow(watched)) {
      painted_ = true;
      // The frame is handed to the window system once every widget of the window has painted,
      // before the event loop takes its next event; that is when this call runs.
      QMetaObject::invokeMethod(this, &FirstFrameWatcher::ReportAndExit, Qt::QueuedConnection);
    }
    return false;
  }

 private:
  static bool IsWindow(const QObject* object) {
    return object->isWidgetType() && static_cast<const QWidget*>(object)->isWindow();
  }

  // Ends at once: the program's own shutdown is no part of its start-up.
  static void ReportAndExit() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const long long nanoseconds =
        static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
    std::printf("%lld\n", nanoseconds);
    std::fflush(stdout);
    _exit(0);
  }

  bool painted_ = false;
};

void WatchForFirstFrame() {
  QCoreApplication* app = QCoreApplication::instance();
  app->installEventFilter(new FirstFrameWatcher(app));
}

}  // namespace

// Runs inside the QApplication constructor, before the program creates any window.
Q_COREAPP_STARTUP_FUNCTION(WatchForFirstFrame)
