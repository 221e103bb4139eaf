// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A block's step along its 45-degree path between the info bar and the bottom edge.

#include "game/form1.h"

namespace quibbet {

void Form1::MoveBlock(std::int16_t index) {
  Shape& block = shpother[index];
  // The turn test looks at the position before the step, so a block passes a boundary by up to
  // 49 twips before it turns. The bottom test comes first and wins.
  const float blockBottom = block.top + block.height;
  const float infoBottom = shpinfo.top + shpinfo.height;
  if (blockBottom >= ScaleHeight()) {
    goingup[index] = kTrue;
    goingdown[index] = kFalse;
  } else if (infoBottom >= block.top) {
    goingdown[index] = kTrue;
    goingup[index] = kFalse;
  }

  if (IsTrue(goingup[index])) {
    block.left = block.left + kBlockStep;
    block.top = block.top - kBlockStep;
  } else {
    // Also a block that has never turned: it travels downward.
    block.top = block.top + kBlockStep;
    block.left = block.left + kBlockStep;
  }
}

}  // namespace quibbet
