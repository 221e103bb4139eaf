// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The player's square follows the pointer.

#include "game/form1.h"

namespace quibbet {

void Form1::Form_MouseMove(float x, float y) {
  shpgreen.top = y;
  shpgreen.left = x;
  // At most one correction, in this order, even in a corner beyond two limits. There is none at
  // the left edge.
  const float squareBottom = shpgreen.top + shpgreen.height;
  const float squareRight = shpgreen.left + shpgreen.width;
  const float infoBottom = shpinfo.top + shpinfo.height;
  if (squareBottom >= ScaleHeight()) {
    shpgreen.top = ScaleHeight() - shpgreen.height;
  } else if (squareRight >= ScaleWidth()) {
    shpgreen.left = ScaleWidth() - shpgreen.width;
  } else if (infoBottom >= shpgreen.top) {
    shpgreen.top = infoBottom;
  }
  events_.On({EventKind::kSquareMoved});
}

}  // namespace quibbet
