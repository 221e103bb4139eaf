// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Plays the game for a long time with a seeded player and checks the game window's invariants
// after every event. QUIBBET_SOAK_TICKS sets how many ticks (1,000,000 when unset); the
// sanitizer build runs fewer.

#include <gtest/gtest.h>

#include <charconv>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <optional>

#include "common/random_source.h"
#include "invariants.h"
#include "soak_player.h"

namespace quibbet::soak {
namespace {

constexpr std::int64_t kDefaultTicks = 1'000'000;
constexpr std::int64_t kTicksForFullCoverage = 100'000;
constexpr std::uint32_t kPlayerSeed = 20240611;

std::optional<std::int64_t> TicksToSoak() {
  const char* text = std::getenv("QUIBBET_SOAK_TICKS");
  if (text == nullptr) {
    return kDefaultTicks;
  }
  std::int64_t ticks = 0;
  const char* end = text + std::strlen(text);
  const auto [last, error] = std::from_chars(text, end, ticks);
  if (error != std::errc() || last != end || ticks <= 0) {
    return std::nullopt;
  }
  return ticks;
}

std::string Join(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += "\n  " + line;
  }
  return text;
}

void Report(const SoakFigures& f, std::int64_t refusals) {
  std::cout << "soak: " << f.ticks << " ticks, " << f.events << " events (" << f.pointerMoves
            << " pointer moves, " << f.keys << " keys)\n"
            << "soak: " << f.rounds << " rounds, longest " << f.longestRound
            << " ticks, best score " << f.maxScore << ", highest tickcount " << f.maxTickcount
            << "\n"
            << "soak: pick-ups " << f.yellowPickups << " yellow, " << f.bluePickups << " blue, "
            << f.magentaPickups << " magenta; freezes " << f.freezesStarted << " started, "
            << f.freezesRunOut << " run out\n"
            << "soak: " << f.submissions << " submissions, " << f.entries << " entered, "
            << refusals << " refused; " << f.menuVisits << " menu visits, " << f.helpVisits
            << " help visits\n";
}

TEST(Soak, TheGameHoldsTogetherThroughLongSeededPlay) {
  const std::optional<std::int64_t> ticks = TicksToSoak();
  ASSERT_TRUE(ticks) << "QUIBBET_SOAK_TICKS must be a positive whole number";
  FixedSeedRandom random;
  CountingMessageBox box;
  Shell shell(random, box);
  shell.Start();
  shell.Click(Control::kCmdplay);
  SoakPlayer player(shell, kPlayerSeed);
  Invariants invariants(*shell.form1());

  while (player.figures().ticks < *ticks) {
    const Event event = player.Play();
    const std::vector<std::string> broken = invariants.After(shell, event);
    ASSERT_TRUE(broken.empty()) << "after event " << player.figures().events << " ("
                                << Describe(event) << "):" << Join(broken);
  }
  const SoakFigures& f = player.figures();
  Report(f, box.refusals());

  // From this length on the seeded player always reaches every part of the game; a change that
  // stopped it playing properly would otherwise leave the invariants little to check.
  if (*ticks >= kTicksForFullCoverage) {
    EXPECT_GE(f.rounds, 10);
    EXPECT_GE(f.freezesRunOut, 10);
    EXPECT_GE(f.magentaPickups, 1);
    EXPECT_GT(f.maxScore, 125);  // beats the table's top row
    EXPECT_GE(f.entries, 1);
    EXPECT_GE(box.refusals(), 1);
    EXPECT_GE(f.menuVisits, 1);
    EXPECT_GE(f.helpVisits, 1);
  }
}

}  // namespace
}  // namespace quibbet::soak
