// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

#include "frontend/sound_player.h"

// The sound module's one entry point. The module holds the sound libraries, which load a few
// dozen shared objects of their own; loaded only once the first window is up, they cost the
// game's start nothing.

namespace quibbet {

// Opens the sound device and gives the player for it, or leaves `player` empty, having said why
// on standard error. Waits for the sound server.
using OpenSoundFunction = void (*)(std::unique_ptr<SoundPlayer>& player);
inline constexpr const char* kOpenSoundSymbol = "quibbet_open_sound";

}  // namespace quibbet
