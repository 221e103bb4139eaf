// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <memory>

#include "frontend/gamepad_keys.h"
#include "frontend/sound_player.h"

// The SDL module's entry points. The module holds SDL2 and SDL2_mixer, which load a few dozen
// shared objects of their own; loaded only once the first window is up, on threads of the
// program's own, they cost the game's start nothing.

namespace quibbet {

// Opens the sound device and gives the player for it, or leaves `player` empty, having said why
// on standard error. Waits for the sound server.
using OpenSoundFunction = void (*)(std::unique_ptr<SoundPlayer>& player);
inline constexpr const char* kOpenSoundSymbol = "quibbet_open_sound";

// Where the gamepads' reader reports, and how it waits between readings.
class GamepadListener {
 public:
  virtual ~GamepadListener() = default;
  // The pads' state changed.
  virtual void Heard(const GamepadState& state) = 0;
  // Waits up to `time`; false once the program wants no more readings.
  virtual bool Wait(std::chrono::milliseconds time) = 0;
};

// Reads the gamepads, plugged in before or after, until the listener's Wait says to stop.
using ReadGamepadsFunction = void (*)(GamepadListener& listener);
inline constexpr const char* kReadGamepadsSymbol = "quibbet_read_gamepads";

}  // namespace quibbet
