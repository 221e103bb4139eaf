// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The freeze power-up: the spacebar starts it, the countdown runs it tick by tick.

#include "game/form1.h"

namespace quibbet {

void Form1::Form_KeyDown(std::int16_t keyCode) {
  // Key repeat only sends more key-downs; the first clears freezeready, so one freeze starts.
  if (keyCode != kSpacebar || !IsTrue(freezeready)) {
    return;
  }
  tickcount = 0;
  lblspacebar.visible = false;
  frozen = kTrue;
  freezeready = kFalse;
  Shape& blue = shpother[kBlueBlock];
  blue.visible = true;
  blue.left = kBlueFreezeLeft;
  events_.On({EventKind::kFreezeStarted});
}

// Runs once per block in every frozen tick; only tickcount decides what it does, so the
// repetitions within a tick change nothing further.
void Form1::FreezeCountdown() {
  switch (tickcount) {
    case kCountdownFour:
      lblcount.caption = "4";
      RecolourBlocks(kRed, kFrozen);
      break;
    case kCountdownThree:
      lblcount.caption = "3";
      break;
    case kCountdownTwo:
      lblcount.caption = "2";
      break;
    case kCountdownOne:
      lblcount.caption = "1";
      break;
    case kCountdownEnds:
      lblcount.caption.clear();
      RecolourBlocks(kFrozen, kRed);
      break;
    default:
      break;
  }
}

void Form1::RecolourBlocks(Colour from, Colour to) {
  for (Shape& block : shpother) {
    if (block.backColor == from) {
      block.backColor = to;
    }
  }
}

}  // namespace quibbet
