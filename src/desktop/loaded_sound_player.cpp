// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/loaded_sound_player.h"

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>

#include "desktop/sound_module.h"

namespace quibbet {

LoadedSoundPlayer::~LoadedSoundPlayer() {
  if (opener_.joinable()) {
    opener_.join();
  }
  // The module stays loaded: its libraries' own exit handlers may still run.
  player_.reset();
}

void LoadedSoundPlayer::Open() {
  // PulseAudio's client library, which PipeWire's pulse server serves too, takes the stream's
  // icon from the environment; set here, before another thread could read the environment.
  setenv("PULSE_PROP", "application.icon_name=" QUIBBET_APP_ID, 0);
  opener_ = std::thread([this] { LoadAndOpen(); });
}

void LoadedSoundPlayer::LoadAndOpen() {
  void* module = dlopen(modulePath_.c_str(), RTLD_NOW | RTLD_LOCAL);
  auto* open =
      module ? reinterpret_cast<OpenSoundFunction>(dlsym(module, kOpenSoundSymbol)) : nullptr;
  if (!open) {
    std::fprintf(stderr, "quibbet: no sound module (%s); playing silently\n", dlerror());
    return;
  }
  open(player_);
  ready_ = player_ != nullptr;
}

void LoadedSoundPlayer::Play(Cue cue) {
  if (ready_) {
    player_->Play(cue);
  }
}

void LoadedSoundPlayer::Silence() {
  if (ready_) {
    player_->Silence();
  }
}

}  // namespace quibbet
