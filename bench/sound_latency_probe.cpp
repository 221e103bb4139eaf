// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// From a cue to its sound: the desktop's own player (SDL2_mixer through the sound server) plays
// the yellow pick-up, the commonest effect, every 300 ms, each after silence, while the probe
// records the null sink's monitor through a stream of its own. For each cue it takes the time
// from the request (CLOCK_MONOTONIC just before Play, the moment the game asks for it) to the
// first sample of the effect the sink plays, less the sink's own latency. Prints the number of
// cues measured and of those left out (below), and the median and 95th percentile of those
// times, one "name value unit" line each.
//
//   quibbet_sound_latency_probe CUES
//
// The clocks. The null sink plays against CLOCK_MONOTONIC, the request's clock, at exactly its
// rate, so the recording's sample n is played at P + n / rate for one unknown P. The sink renders
// its samples, and hands them to its monitor, at most its latency L ahead of playing them; a
// read of the recording returns (at time t, up to sample n) no earlier than that, so
// t - n / rate >= P - L, with equality for a read that returns as the sink renders. The smallest
// t - n / rate over the reads around a cue is therefore P - L: the wait in the recording stream
// and in the probe's own thread drops out, and so does the server's reported latency, leaving
// what the program itself adds (SDL's mixing period and the stream buffer it keeps filled). The
// stream asks for 1 ms fragments, which holds the sink's latency, and so any error of this, to
// about a millisecond. Taking the smallest around each cue rather than over the whole recording
// keeps the sink's rounding of its clock to whole microseconds from adding up.
//
// A cue whose effect seems to start before it was asked for is left out: either the clocks were
// put together wrongly, or a machine too busy to run the player's thread broke the previous
// effect up until it sounded into this cue's time. The first is wrong for every cue alike, so the
// probe fails when as many as half are left out.

#include <pulse/error.h>
#include <pulse/simple.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "bench_support.h"
#include "desktop/sdl_sound_player.h"

namespace quibbet::bench {
namespace {

using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::duration<double, std::milli>;

constexpr int kRate = 48000;
constexpr std::size_t kFragmentFrames = kRate / 1000;
constexpr std::chrono::milliseconds kCueInterval(300);  // the effect lasts 70 ms
// Around a cue, the reads whose smallest t - n / rate places its samples in time.
constexpr std::chrono::milliseconds kAlignmentWindow(100);
// Below this, against full scale, a sample is silence: the null sink's silence is exact zeros,
// and the effect's first wave passes this within a tenth of a millisecond.
constexpr int kSilence = 64;
// How long before a request a sound is looked for; the previous effect has died away more than
// 200 ms before, when whole.
constexpr std::chrono::milliseconds kLookBefore(50);
constexpr Cue kCue = Cue::kYellowPickUp;

struct Read {
  std::size_t frames;  // recorded so far
  Clock::time_point at;
};

// The sink's monitor, read 1 ms at a time on a thread of its own, every read timed.
class MonitorRecording {
 public:
  MonitorRecording() {
    const pa_sample_spec format{PA_SAMPLE_S16LE, kRate, 1};
    const auto fragmentBytes = static_cast<std::uint32_t>(kFragmentFrames * sizeof(std::int16_t));
    const pa_buffer_attr attr{static_cast<std::uint32_t>(-1), static_cast<std::uint32_t>(-1),
                              static_cast<std::uint32_t>(-1), static_cast<std::uint32_t>(-1),
                              fragmentBytes};
    int error = 0;
    stream_.reset(pa_simple_new(nullptr, "quibbet_sound_latency_probe", PA_STREAM_RECORD,
                                "null.monitor", "monitor", &format, nullptr, &attr, &error));
    if (!stream_) {
      throw std::runtime_error(std::string("cannot record the null sink's monitor: ") +
                               pa_strerror(error));
    }
    samples_.reserve(60 * kRate);
    reads_.reserve(60'000);
    reader_ = std::thread([this] { ReadUntilStopped(); });
  }
  MonitorRecording(const MonitorRecording&) = delete;
  MonitorRecording& operator=(const MonitorRecording&) = delete;
  ~MonitorRecording() { Join(); }

  bool Heard() const { return heard_; }

  void Stop() {
    Join();
    if (failed_) {
      throw std::runtime_error("the recording broke off");
    }
  }

  // The moment the sink played the first sample louder than silence from a little before the
  // request to the next one, less the sink's latency; none when there is none. Only once stopped.
  std::optional<Clock::time_point> FirstSoundNear(Clock::time_point request) const {
    const std::optional<Clock::time_point> start = StartAround(request);
    if (!start) {
      return std::nullopt;
    }
    const auto frameAt = [&](Clock::time_point t) {
      return static_cast<std::size_t>(std::max(0.0, Seconds(t - *start) * kRate));
    };
    const std::size_t end = std::min(frameAt(request + kCueInterval), samples_.size());
    for (std::size_t n = frameAt(request - kLookBefore); n < end; ++n) {
      if (std::abs(samples_[n]) > kSilence) {
        return *start + std::chrono::duration_cast<Clock::duration>(
                            std::chrono::duration<double>(static_cast<double>(n) / kRate));
      }
    }
    return std::nullopt;
  }

 private:
  struct Closer {
    void operator()(pa_simple* stream) const { pa_simple_free(stream); }
  };

  static double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

  void Join() {
    stop_ = true;
    if (reader_.joinable()) {
      reader_.join();
    }
  }

  void ReadUntilStopped() {
    std::int16_t fragment[kFragmentFrames];
    while (!stop_) {
      int error = 0;
      if (pa_simple_read(stream_.get(), fragment, sizeof fragment, &error) < 0) {
        failed_ = true;
        return;
      }
      const Clock::time_point at = Clock::now();
      samples_.insert(samples_.end(), fragment, fragment + kFragmentFrames);
      reads_.push_back({samples_.size(), at});
      if (!heard_ && std::any_of(fragment, fragment + kFragmentFrames,
                                 [](std::int16_t s) { return std::abs(s) > kSilence; })) {
        heard_ = true;
      }
    }
  }

  // The moment the recording's first sample was played, less the sink's latency, from the
  // reads around the moment given.
  std::optional<Clock::time_point> StartAround(Clock::time_point moment) const {
    std::optional<Clock::time_point> start;
    for (const Read& read : reads_) {
      if (read.at < moment - kAlignmentWindow || read.at > moment + kAlignmentWindow) {
        continue;
      }
      const Clock::time_point candidate =
          read.at - std::chrono::duration_cast<Clock::duration>(
                        std::chrono::duration<double>(static_cast<double>(read.frames) / kRate));
      start = start ? std::min(*start, candidate) : candidate;
    }
    return start;
  }

  std::unique_ptr<pa_simple, Closer> stream_;
  std::thread reader_;
  std::atomic<bool> stop_{false};
  std::atomic<bool> heard_{false};
  std::atomic<bool> failed_{false};
  // Written by the reader alone, and read only once it has stopped.
  std::vector<std::int16_t> samples_;
  std::vector<Read> reads_;
};

// The player opens its device on a thread of its own and says nothing when it is open: cues go
// out until one is heard, then the sound dies away before the cues that count.
void WaitUntilHeard(SdlSoundPlayer& player, const MonitorRecording& recording) {
  for (int i = 0; i < 50 && !recording.Heard(); ++i) {
    player.Play(kCue);
    std::this_thread::sleep_for(kCueInterval);
  }
  if (!recording.Heard()) {
    throw std::runtime_error("the player was never heard at the monitor");
  }
  std::this_thread::sleep_for(2 * kCueInterval);
}

struct Latencies {
  std::vector<double> ms;
  std::size_t leftOut = 0;
};

Latencies MeasureCues(int cues) {
  MonitorRecording recording;
  SdlSoundPlayer player;
  if (!player.Open()) {
    throw std::runtime_error("the sound device did not open");
  }
  WaitUntilHeard(player, recording);
  std::vector<Clock::time_point> requests;
  const Clock::time_point first = Clock::now();
  for (int i = 0; i < cues; ++i) {
    std::this_thread::sleep_until(first + i * kCueInterval);
    requests.push_back(Clock::now());
    player.Play(kCue);
  }
  std::this_thread::sleep_for(kCueInterval + kAlignmentWindow);
  recording.Stop();

  Latencies latencies;
  for (const Clock::time_point request : requests) {
    const std::optional<Clock::time_point> sound = recording.FirstSoundNear(request);
    if (!sound) {
      throw std::runtime_error("a cue was never heard");
    }
    if (*sound < request) {
      ++latencies.leftOut;
    } else {
      latencies.ms.push_back(Milliseconds(*sound - request).count());
    }
  }
  if (2 * latencies.leftOut >= requests.size()) {
    throw std::runtime_error(
        "most cues were heard before they were asked for: the clocks are put together wrongly, "
        "or the machine is too busy to keep an effect whole");
  }
  return latencies;
}

void Report(Latencies latencies) {
  std::vector<double>& ms = latencies.ms;
  std::sort(ms.begin(), ms.end());
  std::printf("cues %zu\n", ms.size());
  std::printf("cues_left_out %zu\n", latencies.leftOut);
  std::printf("latency_median %.2f ms\n", Percentile(ms, 0.5));
  std::printf("latency_p95 %.2f ms\n", Percentile(ms, 0.95));
}

}  // namespace
}  // namespace quibbet::bench

int main(int argc, char** argv) {
  const int cues = argc == 2 ? std::atoi(argv[1]) : 0;
  if (cues < 1) {
    std::fputs("usage: quibbet_sound_latency_probe CUES\n", stderr);
    return 2;
  }
  try {
    quibbet::bench::Report(quibbet::bench::MeasureCues(cues));
  } catch (const std::exception& error) {
    std::fprintf(stderr, "quibbet_sound_latency_probe: %s\n", error.what());
    return 1;
  }
  return 0;
}
