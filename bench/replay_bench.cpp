// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// quibbet-replay's throughput: a long script run in-process, counted in game ticks per second.
// Scripts are read line by line, so besides the ticks themselves this measures the reading and
// parsing of one line per command.

#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "replay/run.h"

namespace {

constexpr int kTicks = 1'000'000;

// A recorded session: the player starts a round and moves the pointer between ticks, always far
// left of every block, so the round lasts the whole script; one dump at the end.
std::string TicksAndMovesScript() {
  std::string script = "click cmdplay\n";
  for (int i = 0; i < kTicks; ++i) {
    script += "tick\nmove -200000 " + std::to_string(2000 + i % 4000) + "\n";
  }
  return script + "dump\n";
}

// The same round with one tick per line and no pointer movement.
std::string TicksScript() {
  std::string script = "click cmdplay\nmove -200000 2000\n";
  for (int i = 0; i < kTicks; ++i) {
    script += "tick\n";
  }
  return script + "dump\n";
}

void RunScript(benchmark::State& state, const std::string& script) {
  for (auto _ : state) {
    state.PauseTiming();
    std::istringstream in(script);
    std::ostringstream out;
    std::ostringstream err;
    state.ResumeTiming();
    if (quibbet::replay::Run(in, out, err) != 0) {
      state.SkipWithError(err.str().c_str());
      break;
    }
    benchmark::DoNotOptimize(out.str());
  }
  state.counters["ticks_per_second"] = benchmark::Counter(
      static_cast<double>(kTicks), benchmark::Counter::kIsIterationInvariantRate);
}

void BM_ReplayTicksAndMoves(benchmark::State& state) {
  static const std::string script = TicksAndMovesScript();
  RunScript(state, script);
}
BENCHMARK(BM_ReplayTicksAndMoves)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ReplayTicks(benchmark::State& state) {
  static const std::string script = TicksScript();
  RunScript(state, script);
}
BENCHMARK(BM_ReplayTicks)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
