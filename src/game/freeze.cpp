// The freeze power-up: the spacebar starts it, the countdown runs it tick by tick.

#include "game/form1.h"

namespace quibbet {

void Form1::Form_KeyDown(std::int16_t keyCode, std::int16_t /*shift*/) {
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
  blue.left = -50000;
}

// Runs once per block in every frozen tick; only tickcount decides what it does, so the
// repetitions within a tick change nothing further.
void Form1::FreezeCountdown() {
  switch (tickcount) {
    case 1:
      lblcount.caption = "4";
      RecolourBlocks(kRed, kFrozen);
      break;
    case 62:
      lblcount.caption = "3";
      break;
    case 124:
      lblcount.caption = "2";
      break;
    case 187:
      lblcount.caption = "1";
      break;
    case 242:
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
