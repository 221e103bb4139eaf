// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <Qt>
#include <cstdint>

// The game takes Windows-style key codes; this translates Qt's.

namespace quibbet {

// Space, digits and letters keep their codes (they coincide); a few named keys are mapped and
// any other key gives 0.
std::int16_t ToKeyCode(int qtKey);

}  // namespace quibbet
