// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/sdl_module.h"

#include <type_traits>

#include "desktop/sdl_gamepads.h"
#include "desktop/sdl_sound_player.h"

extern "C" __attribute__((visibility("default"))) void quibbet_open_sound(
    std::unique_ptr<quibbet::SoundPlayer>& player) {
  static_assert(std::is_same_v<decltype(&quibbet_open_sound), quibbet::OpenSoundFunction>);
  auto sdl = std::make_unique<quibbet::SdlSoundPlayer>();
  if (sdl->Open()) {
    player = std::move(sdl);
  }
}

extern "C" __attribute__((visibility("default"))) void quibbet_read_gamepads(
    quibbet::GamepadListener& listener) {
  static_assert(std::is_same_v<decltype(&quibbet_read_gamepads), quibbet::ReadGamepadsFunction>);
  quibbet::ReadSdlGamepads(listener);
}
