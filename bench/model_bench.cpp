// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules on their own: one tick of the game window in each of its kinds, the start of a round
// and a click on "Submit Score". No toolkit is involved. Also the high-score file's reader on the
// widest and deepest files it may be given, each just under its 1 MiB limit: each must be read or
// refused within 50 ms.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

#include "bench_support.h"
#include "common/random_source.h"
#include "game/form1.h"
#include "scores/high_score_file.h"
#include "scores/high_score_table.h"

namespace quibbet::bench {
namespace {

// The program's own random sequence, and a game window in full play.
struct PlayingForm {
  PlayingForm() : form(random, box) { StartPlaying(form); }

  FixedSeedRandom random;
  SilentMessageBox box;
  Form1 form;
};

void RequireRoundAlive(benchmark::State& state, const Form1& form) {
  if (!form.Timer1.enabled) {
    state.SkipWithError("the round ended during the benchmark");
  }
}

// Ten blocks moving, bouncing and coming back in on the left.
void BM_TickMoving(benchmark::State& state) {
  PlayingForm playing;
  Form1& form = playing.form;
  for (auto _ : state) {
    form.Timer1_Timer();
    benchmark::ClobberMemory();
  }
  RequireRoundAlive(state, form);
}
BENCHMARK(BM_TickMoving);

// A freeze that never ends: the counter is put back before it reaches the end of the freeze,
// so every step of the countdown (its texts, the recolouring) keeps coming round.
void BM_TickFrozen(benchmark::State& state) {
  PlayingForm playing;
  Form1& form = playing.form;
  form.frozen = kTrue;
  form.tickcount = 0;
  for (auto _ : state) {
    if (form.tickcount == kFreezeTicks - 1) {
      form.tickcount = 0;
    }
    form.Timer1_Timer();
    benchmark::ClobberMemory();
  }
  RequireRoundAlive(state, form);
}
BENCHMARK(BM_TickFrozen);

// Every tick picks up a yellow block and sets a new best score, which is the most a tick that
// ends no round does. The square is given its size back each time so it never grows into the
// red blocks, and the score starts again before it has more digits than play ever gives it.
void BM_TickWithPickUp(benchmark::State& state) {
  PlayingForm playing;
  Form1& form = playing.form;
  const auto yellow = std::find_if(form.shpother.begin(), form.shpother.end(),
                                   [](const Shape& block) { return block.backColor == kYellow; });
  constexpr int kScoreLimit = 999;
  int score = 0;
  for (auto _ : state) {
    yellow->left = form.shpgreen.left;
    yellow->top = form.shpgreen.top;
    form.shpgreen.width = 375;
    form.shpgreen.height = 375;
    if (++score == kScoreLimit) {
      score = 0;
      form.lblscore.caption = "0";
      form.bestscore = 0;
    }
    form.Timer1_Timer();
    benchmark::ClobberMemory();
  }
  RequireRoundAlive(state, form);
}
BENCHMARK(BM_TickWithPickUp);

void BM_NewRound(benchmark::State& state) {
  PlayingForm playing;
  for (auto _ : state) {
    playing.form.NewRound();
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_NewRound);

// "130" enters the table at the top row and moves the other four rows down; "3" is below the
// last row, so nothing moves and the refusal is shown.
void BM_SubmitScore(benchmark::State& state, const char* finalScoreText) {
  HighScoreTable table = MakeHighScoreTable();
  SilentMessageBox box;
  const std::string finalScore = finalScoreText;
  const std::string name = "Player";
  for (auto _ : state) {
    Boolean submitted = kFalse;
    SubmitScore(table, finalScore, name, submitted, box);
    benchmark::DoNotOptimize(submitted);
  }
}
BENCHMARK_CAPTURE(BM_SubmitScore, Entered, "130");
BENCHMARK_CAPTURE(BM_SubmitScore, Refused, "3");

// head, then unit over and over, then tail: as many units as keep the file within 1 MiB.
std::string Filled(const std::string& head, const std::string& unit, const std::string& tail) {
  std::string bytes = head;
  while (bytes.size() + unit.size() + tail.size() <= kMaxHighScoreFileBytes) {
    bytes += unit;
  }
  return bytes + tail;
}

void BM_ReadHighScoreFile(benchmark::State& state, const std::string& bytes) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(ParseHighScoreFile(bytes));
  }
  state.counters["bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK_CAPTURE(BM_ReadHighScoreFile, ArrayOfObjects, Filled("[{}", ",{}", "]"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadHighScoreFile, WideTable,
                  Filled(R"({"format": 1, "table": [{})", ",{}", "]}"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadHighScoreFile, WideTableFormatLast,
                  Filled(R"({"table": [{})", ",{}", R"(], "format": 1})"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadHighScoreFile, WideNewerFormat,
                  Filled(R"({"format": 2, "table": [{})", R"(,{"a": [1, "b"]})", "]}"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadHighScoreFile, DeepTable, Filled(R"({"table": )", "[", "]]]]"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadHighScoreFile, GoodTablePadded,
                  Filled(HighScoreFileText(DefaultHighScoreRows()), " ", ""))
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quibbet::bench
