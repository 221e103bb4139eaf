// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The collision test of the player's square against one block, and the pick-ups.

#include "common/number_text.h"
#include "common/rounding.h"
#include "game/form1.h"
#include "game/rectangle.h"

namespace quibbet {

void Form1::CheckHit(std::int16_t index) {
  Shape& block = shpother[index];
  if (ApartBeforeRounding(shpgreen, block)) {
    return;
  }
  const EdgeRect square = EdgesOf(shpgreen);
  const EdgeRect other = EdgesOf(block);
  if (!Overlap(square, other)) {
    return;
  }
  ResolveHit(block);
}

// A block's kind is its colour, read afresh for each test; neither its index nor visibility
// matters, so a hidden block is picked up like a shown one.
void Form1::ResolveHit(Shape& block) {
  if (block.backColor == kRed || block.backColor == kFrozen) {
    cmdreset.visible = true;
    Timer1.enabled = false;
    ShowGameOver();
    events_.On({EventKind::kRoundLost});
    return;
  }
  const Colour kind = block.backColor;
  if (kind == kBlue) {
    CollectBlue(block);
  } else if (kind == kMagenta) {
    CollectMagenta(block);
  } else {
    CollectYellow(block);
  }
  events_.On({.kind = EventKind::kBlockCollected, .block = kind});
}

void Form1::CollectBlue(Shape& block) {
  block.left = static_cast<Twips>(RandomBetween(kBlueCollectedNearest, kBlueCollectedFarthest));
  lblspacebar.visible = true;
  freezeready = kTrue;
  block.visible = false;
  // Collecting a freeze reopens the high-score table to a new entry.
  submitted = kFalse;
}

void Form1::CollectMagenta(Shape& block) {
  shpgreen.width = shpgreen.width / 2;
  shpgreen.height = shpgreen.height / 2;
  block.left = kMagentaCollectedLeft;
}

void Form1::CollectYellow(Shape& block) {
  // Top before Left: the order of the two draws decides the places a given sequence gives.
  const float lowestTop = ScaleHeight() - block.height;
  block.top = static_cast<Twips>(RandomBetween(RoundToInt32(lowestTop), 0));
  block.left = static_cast<Twips>(RandomBetween(RoundToInt32(-block.width), kRoundStartFarthest));
  shpgreen.height = shpgreen.height + 30;
  shpgreen.width = shpgreen.width + 30;
  lblscore.caption = NumberToText(LeadingNumber(lblscore.caption) + 1);
}

}  // namespace quibbet
