// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Positions and sizes on every window are measured in twips (1/1440 inch) and held in single
// precision, as the window designs give them. Sums of two properties are formed in single
// precision too, so comparisons and roundings see exactly the values the rules expect.

namespace quibbet {

using Twips = float;

// 15 twips per logical pixel at 96 dots per inch.
inline constexpr int kTwipsPerPixel = 15;

}  // namespace quibbet
