// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The pace of play: the real program's windows, timer and tick pacing on Qt's offscreen platform
// (unless QT_QPA_PLATFORM names another) for ten seconds of a round that no block can end. Every
// tick's time is recorded; the probe prints the ticks per second, the median, 99th percentile
// and largest interval between ticks, and the processor time the program used per second of
// play, one "name value unit" line each.

#include <sys/resource.h>

#include <QApplication>
#include <QEventLoop>
#include <QStyleFactory>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "bench_support.h"
#include "common/random_source.h"
#include "desktop/controller.h"
#include "desktop/form2_view.h"
#include "desktop/qt_message_box.h"

namespace quibbet::bench {
namespace {

using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::duration<double, std::milli>;

constexpr std::chrono::seconds kPlayTime(10);

// The game counts its own ticks; after each timer event the application delivers, the probe
// notes the time of every tick that event ran.
class TickRecorder final : public QApplication {
 public:
  using QApplication::QApplication;

  void Watch(const Form1& form) {
    form_ = &form;
    seen_ = form.tickcount;
    times_.reserve(2 * kPlayTime.count() * 63);
  }
  const std::vector<Clock::time_point>& times() const { return times_; }

  bool notify(QObject* receiver, QEvent* event) override {
    const bool timer = event->type() == QEvent::Timer;
    const bool handled = QApplication::notify(receiver, event);
    if (timer && form_ != nullptr) {
      Record();
    }
    return handled;
  }

 private:
  void Record() {
    const Clock::time_point now = Clock::now();
    for (; seen_ < form_->tickcount; ++seen_) {
      times_.push_back(now);
    }
  }

  const Form1* form_ = nullptr;
  int seen_ = 0;
  std::vector<Clock::time_point> times_;
};

double ProcessorSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](const timeval& t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
  };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void Report(const std::vector<Clock::time_point>& ticks, double processorSeconds,
            double playSeconds) {
  std::vector<double> intervals;
  for (std::size_t i = 1; i < ticks.size(); ++i) {
    intervals.push_back(Milliseconds(ticks[i] - ticks[i - 1]).count());
  }
  std::sort(intervals.begin(), intervals.end());
  const double tickedSeconds = std::chrono::duration<double>(ticks.back() - ticks.front()).count();
  std::printf("ticks %zu\n", ticks.size());
  std::printf("ticks_per_second %.2f 1/s\n", static_cast<double>(intervals.size()) / tickedSeconds);
  std::printf("interval_median %.3f ms\n", Percentile(intervals, 0.5));
  std::printf("interval_p99 %.3f ms\n", Percentile(intervals, 0.99));
  std::printf("interval_max %.3f ms\n", intervals.back());
  std::printf("cpu_per_second_of_play %.2f %%\n", 100.0 * processorSeconds / playSeconds);
}

int Run(TickRecorder& app) {
  FixedSeedRandom random;
  QtMessageBox box;
  Controller controller(random, box);
  controller.Start();
  qobject_cast<Form2View*>(controller.view(Window::kForm2))->cmdplay()->click();
  controller.session().MovePointer(kOutOfReachLeft, kOutOfReachTop);

  app.Watch(*controller.shell().form1());
  const double processorBefore = ProcessorSeconds();
  const Clock::time_point start = Clock::now();
  // A loop of its own: quitting the application would first try to close every window. A coarse
  // timer of this length could end the play half a second early.
  QEventLoop play;
  QTimer::singleShot(kPlayTime, Qt::PreciseTimer, &play, &QEventLoop::quit);
  play.exec();
  const double playSeconds = std::chrono::duration<double>(Clock::now() - start).count();
  const double processorSeconds = ProcessorSeconds() - processorBefore;

  const Form1* form = controller.shell().form1();
  if (form == nullptr || !form->Timer1.enabled || app.times().size() < 2) {
    std::fputs("pacing probe: the round did not run for the whole time\n", stderr);
    return 1;
  }
  Report(app.times(), processorSeconds, playSeconds);
  return 0;
}

}  // namespace
}  // namespace quibbet::bench

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  quibbet::bench::TickRecorder app(argc, argv);
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  return quibbet::bench::Run(app);
}
