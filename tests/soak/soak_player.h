// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "common/message_box.h"
#include "shell/shell.h"
#include "soak_event.h"

// A seeded player for the soak test: it plays rounds, some carelessly and some well (dodging the
// red blocks, chasing the yellow ones, using its freezes), enters names on the game-over screen
// and visits the menu and the help window. What it covered is counted in SoakFigures.

namespace quibbet::soak {

// Answers every box as a player would who never wants to leave, and counts the refusals of the
// high-score table.
class CountingMessageBox final : public MessageBox {
 public:
  MsgBoxAnswer Show(std::string_view text, std::string_view title, MsgBoxStyle style) override;
  std::int64_t refusals() const { return refusals_; }

 private:
  std::int64_t refusals_ = 0;
};

struct Point {
  float x;
  float y;
};

struct Box {
  float left;
  float top;
  float right;
  float bottom;
};

struct SoakFigures {
  std::int64_t events = 0;
  std::int64_t ticks = 0;
  std::int64_t pointerMoves = 0;
  std::int64_t keys = 0;
  std::int64_t rounds = 1;  // loading the game window starts the first
  std::int64_t yellowPickups = 0;
  std::int64_t bluePickups = 0;
  std::int64_t magentaPickups = 0;
  std::int64_t freezesStarted = 0;
  std::int64_t freezesRunOut = 0;
  std::int64_t submissions = 0;
  std::int64_t entries = 0;  // submissions that made it into the table
  std::int64_t menuVisits = 0;
  std::int64_t helpVisits = 0;
  std::int64_t longestRound = 0;  // in ticks
  double maxScore = 0;
  std::int16_t maxTickcount = 0;
};

class SoakPlayer {
 public:
  SoakPlayer(Shell& shell, std::uint32_t seed);

  // Chooses one event from what is on screen, performs it and counts what it did.
  Event Play();
  const SoakFigures& figures() const { return figures_; }

 private:
  Event ChooseInPlay(const Form1& form);
  Event ChooseAtGameOver(const Form1& form);
  Event ChooseOnShell();
  Event SteeredMove(const Form1& form);
  Event WildMove(const Form1& form);
  std::vector<Point> Candidates(Point here, Point goal, const Box& area);
  std::int16_t AnyKey();
  std::string AnyName();
  void Perform(const Event& event);
  void PressKey(Form1& form, std::int16_t key);
  void Submit(Form1& form);
  void Tick(Form1& form);
  bool Chance(double p) { return std::bernoulli_distribution(p)(rng_); }
  float Uniform(float from, float to) { return std::uniform_real_distribution(from, to)(rng_); }

  Shell& shell_;
  std::mt19937 rng_;
  bool skilled_ = true;  // chosen anew for every round
  std::int64_t roundTicks_ = 0;
  SoakFigures figures_;
};

}  // namespace quibbet::soak
