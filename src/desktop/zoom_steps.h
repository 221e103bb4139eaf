// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>
#include <optional>

// The sizes the player can zoom the windows to, in percent of their designed size: from half
// to double, in steps of a tenth.

namespace quibbet {

inline constexpr int kActualSize = 100;

// The next step above or below a window shown at scale, which a fit to a small screen may
// have put between two steps.
int ZoomedIn(qreal scale);
int ZoomedOut(qreal scale);
// A zoom read back from the player's settings; the designed size for one out of range.
int KeptZoom(std::optional<int> percent);

}  // namespace quibbet
