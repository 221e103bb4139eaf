// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "common/boolean.h"
#include "common/controls.h"
#include "common/game_event.h"
#include "common/message_box.h"
#include "common/random_source.h"
#include "game/pace.h"
#include "scores/high_score_table.h"

// The game window: its controls, the seven round variables it keeps besides them, and its
// handlers and procedures. All game state lives here; the desktop program only draws it and
// hands it the player's events.

namespace quibbet {

inline constexpr int kBlockCount = 10;
inline constexpr int kBlueBlock = 8;  // the block a freeze brings back
inline constexpr std::int16_t kSpacebar = 32;

inline constexpr std::string_view kForm1Caption = "Quibbet";
inline constexpr Twips kForm1ScaleWidth = 10935;
inline constexpr Twips kForm1ScaleHeight = 9015;
// Client height plus title bar and frames of the design; block placement uses it.
inline constexpr Twips kForm1OuterHeight = 9495;

class Form1 {
 public:
  // Creates the window's controls as designed, the high-score table as the store holds it.
  // Loading (Form_Load) starts the first round.
  Form1(RandomSource& random, MessageBox& box, EventListener& events = IgnoredEvents(),
        HighScoreStore& store = KeptInMemory());

  // Handlers.
  void Form_Load();
  void Timer1_Timer();
  void Form_MouseMove(float x, float y);
  void Form_KeyDown(std::int16_t keyCode);
  void cmdreset_Click();
  void cmdsubmit_Click();

  // Procedures.
  void NewRound();
  void ShowGameOver();
  void MoveBlock(std::int16_t index);
  void CheckHit(std::int16_t index);
  void FreezeCountdown();
  std::int32_t RandomBetween(std::int32_t upper, std::int32_t lower);

  Twips ScaleWidth() const { return kForm1ScaleWidth; }
  Twips ScaleHeight() const { return kForm1ScaleHeight; }
  Twips ScaleLeft() const { return 0; }
  Twips OuterHeight() const { return kForm1OuterHeight; }

  // Controls, as on the window: public, like the window's own properties.
  Shape shpinfo;
  Label lblspacebar;
  Label lblcount;
  Label lblscore1;
  Label lblscore;
  Label lblhigh1;
  Label lblhigh;
  Shape shpgreen;
  std::array<Shape, kBlockCount> shpother;
  Label lblname;
  TextBox txtname;
  Label lblcurrentscore;
  Button cmdsubmit;
  Label lblalltime;
  Button cmdreset;
  Button cmdmain;
  HighScoreTable table;
  Timer Timer1;

  // Round state.
  std::array<Boolean, kBlockCount> goingdown{};
  std::array<Boolean, kBlockCount> goingup{};
  std::int16_t tickcount = 0;
  Boolean frozen = kFalse;
  std::int16_t bestscore = 0;
  Boolean freezeready = kFalse;
  Boolean submitted = kFalse;

 private:
  void ResolveHit(Shape& block);
  void CollectBlue(Shape& block);
  void CollectMagenta(Shape& block);
  void CollectYellow(Shape& block);
  void PlaceAtRoundStart(Shape& block);
  void BringBackOnLeft(std::int16_t index);
  void RecolourBlocks(Colour from, Colour to);

  RandomSource& random_;
  MessageBox& box_;
  EventListener& events_;
  HighScoreStore& store_;
};

}  // namespace quibbet
