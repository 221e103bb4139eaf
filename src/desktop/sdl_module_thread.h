// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "desktop/deferred_sound_player.h"
#include "desktop/sdl_module.h"

// The thread that loads the SDL module, opens the sound device for `sound` and then reads the
// gamepads until the program ends, all on one thread, as SDL's start and end of a subsystem want.
// The windows never wait for the module, the sound server or a pad.

namespace quibbet {

class SdlModuleThread final : public GamepadListener {
 public:
  using GamepadsHeard = std::function<void(const GamepadState&)>;
  // gamepadsHeard is called on the module's thread.
  SdlModuleThread(std::string modulePath, DeferredSoundPlayer& sound, GamepadsHeard gamepadsHeard);
  SdlModuleThread(const SdlModuleThread&) = delete;
  SdlModuleThread& operator=(const SdlModuleThread&) = delete;
  ~SdlModuleThread() override;

  // Starts the thread; call once, after the first window shows.
  void Start();

 private:
  void Run();
  void Heard(const GamepadState& state) override;
  bool Wait(std::chrono::milliseconds time) override;

  std::string modulePath_;
  DeferredSoundPlayer& sound_;
  GamepadsHeard gamepadsHeard_;
  std::mutex mutex_;
  std::condition_variable stop_;
  bool stopping_ = false;
  std::thread thread_;
};

}  // namespace quibbet
