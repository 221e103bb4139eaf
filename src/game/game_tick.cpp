// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The tick of Timer1: the heart of play.

#include "common/number_text.h"
#include "common/rounding.h"
#include "game/form1.h"

namespace quibbet {

void Form1::Timer1_Timer() {
  // tickcount stops at its 16-bit limit rather than overflowing; only 0..250 drives a freeze.
  tickcount = SaturatingIncrement(tickcount);

  // The best score saturates at 32767; lblscore, being text, may count on past it.
  const double score = LeadingNumber(lblscore.caption);
  if (score > bestscore) {
    bestscore = RoundToInt16(score);
    lblhigh.caption = Int16ToText(bestscore);
  }

  // The loop does not stop when a hit ends the round: the remaining blocks are still tested
  // and moved in this tick.
  for (std::int16_t i = 0; i < kBlockCount; ++i) {
    const bool wasFrozen = IsTrue(frozen);
    CheckHit(i);
    if (wasFrozen) {
      FreezeCountdown();
      if (tickcount == kFreezeTicks) {
        frozen = kFalse;
        events_.On({EventKind::kFreezeEnded});
      }
      continue;
    }
    MoveBlock(i);
    const Shape& block = shpother[i];
    if (block.left >= ScaleWidth() && block.backColor != kMagenta) {
      BringBackOnLeft(i);
    }
  }
}

// A block that left on the right re-enters on the left at a random height, keeping its
// vertical direction (or the one its re-entry step gives it).
void Form1::BringBackOnLeft(std::int16_t index) {
  Shape& block = shpother[index];
  block.left = ScaleLeft() - block.width;
  MoveBlock(index);
  const float lowestTop = ScaleHeight() - block.height;
  block.top = static_cast<Twips>(RandomBetween(RoundToInt32(lowestTop), 0));
}

}  // namespace quibbet
