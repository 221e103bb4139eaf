// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <Qt>
#include <cstdint>

// The game's handlers take Windows-style key codes, shift states and button states; these
// translate Qt's.

namespace quibbet {

// Space, digits and letters keep their codes (they coincide); a few named keys are mapped and
// any other key gives 0.
std::int16_t ToKeyCode(int qtKey);
// Shift 1, Ctrl 2, Alt 4.
std::int16_t ToShiftState(Qt::KeyboardModifiers modifiers);
// Left 1, right 2, middle 4.
std::int16_t ToButtonState(Qt::MouseButtons buttons);

}  // namespace quibbet
