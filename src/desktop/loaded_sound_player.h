// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <thread>

#include "frontend/sound_player.h"

// The effects' player in the sound module, loaded and opened on a thread of its own, so the
// windows never wait for the sound libraries or the sound server. Until it is open, and for good
// when the module, the device or the server is missing, the game plays silently.

namespace quibbet {

class LoadedSoundPlayer final : public SoundPlayer {
 public:
  explicit LoadedSoundPlayer(std::string modulePath) : modulePath_(std::move(modulePath)) {}
  LoadedSoundPlayer(const LoadedSoundPlayer&) = delete;
  LoadedSoundPlayer& operator=(const LoadedSoundPlayer&) = delete;
  ~LoadedSoundPlayer() override;

  // Starts loading the module and opening the device; call once, after the first window shows.
  void Open();
  void Play(Cue cue) override;
  void Silence() override;

 private:
  void LoadAndOpen();

  std::string modulePath_;
  std::thread opener_;
  std::unique_ptr<SoundPlayer> player_;  // written by the opener before `ready_`
  std::atomic<bool> ready_{false};
};

}  // namespace quibbet
