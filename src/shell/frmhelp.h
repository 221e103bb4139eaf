// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string_view>

#include "common/controls.h"

// The help window: the rules in three texts, sample blocks under a green tick and a red cross,
// and the way back to the menu. It holds no data, so every load produces the same window.

namespace quibbet {

inline constexpr std::string_view kFrmhelpCaption = "How to Play";
inline constexpr Twips kFrmhelpScaleWidth = 10380;
inline constexpr Twips kFrmhelpScaleHeight = 7200;

struct Frmhelp {
  Frmhelp();

  Label Label1;
  Label Label2;
  Label Label3;
  Shape Shape2;               // yellow block
  Shape Shape3;               // blue block
  Shape Shape1;               // magenta block, the bonus shape
  Shape shpred;               // red block
  Line Line3;                 // short stroke of the tick
  Line Line4;                 // long stroke of the tick
  std::array<Line, 2> Line1;  // the cross
  Button Command1;
};

}  // namespace quibbet
