// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include "common/colour.h"

// Assistive technology sees each window of the game as a window whose children are its controls
// and, after them, the shapes it paints (WindowView::NamedShapes): graphics named for what they
// are in the game, placed where they are on screen and invisible while the game hides them.

namespace quibbet {

// Makes every WindowView answer for itself, including its painted shapes. Idempotent; each
// window calls it before any of its controls exists.
void ExposeWindowsToAssistiveTechnology();

// What a block of this fill colour is called, as the player knows it.
QString BlockName(Colour colour);

}  // namespace quibbet
