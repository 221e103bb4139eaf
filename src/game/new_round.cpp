// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The start of a round and the game-over screen.

#include "common/number_text.h"
#include "common/rounding.h"
#include "game/form1.h"

namespace quibbet {

void Form1::Form_Load() {
  NewRound();
}

void Form1::cmdreset_Click() {
  NewRound();
}

void Form1::cmdsubmit_Click() {
  const Submission submission =
      SubmitScore(table, lblcurrentscore.caption, txtname.text, submitted, box_, store_,
                  [this] { events_.On({EventKind::kScoreRefused}); });
  if (submission.enteredRow) {
    events_.On({.kind = EventKind::kScoreEntered, .row = *submission.enteredRow});
  }
}

std::int32_t Form1::RandomBetween(std::int32_t upper, std::int32_t lower) {
  return quibbet::RandomBetween(upper, lower, random_.Next());
}

void Form1::NewRound() {
  lblscore.caption = "0";
  cmdmain.visible = false;
  lblcount.caption.clear();
  frozen = kFalse;
  lblname.visible = false;
  txtname.visible = false;
  lblalltime.visible = false;
  Timer1.enabled = true;
  shpgreen.visible = true;
  cmdsubmit.visible = false;
  freezeready = kFalse;
  lblcurrentscore.visible = false;
  lblspacebar.visible = false;
  RecolourBlocks(kFrozen, kRed);
  for (int row = 0; row < kTableRows; ++row) {
    table.lblscorenumber[row].visible = false;
    table.lblhighname[row].visible = false;
    table.lbluserscore[row].visible = false;
  }
  for (Shape& block : shpother) {
    PlaceAtRoundStart(block);
  }
  cmdreset.visible = false;
  shpgreen.height = 375;
  shpgreen.width = 375;
  events_.On({EventKind::kRoundStarted});
}

// Every block but the magenta one starts at a random place wholly left of the window. The
// magenta block starts so far left that it arrives only late in the round; its height and
// visibility stay as they were.
void Form1::PlaceAtRoundStart(Shape& block) {
  if (block.backColor == kMagenta) {
    block.left = kMagentaStartLeft;
    return;
  }
  block.visible = true;
  const float rightmost = -block.width - kRoundStartGap;
  block.left = static_cast<Twips>(RandomBetween(RoundToInt32(rightmost), kRoundStartFarthest));
  // The smaller bound comes first, so the draw counts down from the outer height.
  block.top =
      static_cast<Twips>(RandomBetween(RoundToInt32(shpinfo.height), RoundToInt32(OuterHeight())));
}

void Form1::ShowGameOver() {
  lblcount.caption.clear();
  lblspacebar.visible = false;
  cmdsubmit.visible = true;
  cmdmain.visible = true;
  lblalltime.visible = true;
  lblcurrentscore.visible = true;
  lblcurrentscore.caption = NumberToText(LeadingNumber(lblscore.caption));
  lblname.visible = true;
  txtname.visible = true;
  // Another copy of the game may have entered a score since this window last read the table.
  ShowCurrentRows(table, store_);
  for (int row = 0; row < kTableRows; ++row) {
    table.lblscorenumber[row].visible = true;
    table.lblhighname[row].visible = true;
    table.lbluserscore[row].visible = true;
  }
  for (Shape& block : shpother) {
    block.visible = false;
  }
  shpgreen.visible = false;
}

}  // namespace quibbet
