// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "desktop/sdl_module.h"

// The gamepads through SDL2's game controllers, which know the layout of most pads and name their
// buttons as a standard pad's: read in the SDL module, on the thread that calls it.

namespace quibbet {

// Reports every change of the pads' state until the listener says to stop. Pads are looked for
// four times a second and read at about 120 Hz while one is plugged in.
void ReadSdlGamepads(GamepadListener& listener);

}  // namespace quibbet
