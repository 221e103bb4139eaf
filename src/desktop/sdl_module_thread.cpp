// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/sdl_module_thread.h"

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>

namespace quibbet {

SdlModuleThread::SdlModuleThread(std::string modulePath, DeferredSoundPlayer& sound,
                                 GamepadsHeard gamepadsHeard)
    : modulePath_(std::move(modulePath)), sound_(sound), gamepadsHeard_(std::move(gamepadsHeard)) {}

SdlModuleThread::~SdlModuleThread() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  stop_.notify_all();
  if (thread_.joinable()) {
    thread_.join();
  }
}

void SdlModuleThread::Start() {
  // PulseAudio's client library, which PipeWire's pulse server serves too, takes the stream's
  // icon from the environment; set here, before another thread could read the environment.
  setenv("PULSE_PROP", "application.icon_name=" QUIBBET_APP_ID, 0);
  thread_ = std::thread([this] { Run(); });
}

void SdlModuleThread::Run() {
  // The module stays loaded for good: the sound player it made outlives this thread.
  void* module = dlopen(modulePath_.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (module == nullptr) {
    std::fprintf(stderr, "quibbet: no SDL module (%s); playing silently\n", dlerror());
    return;
  }
  if (auto open = reinterpret_cast<OpenSoundFunction>(dlsym(module, kOpenSoundSymbol))) {
    std::unique_ptr<SoundPlayer> player;
    open(player);
    sound_.Take(std::move(player));
  }
  if (auto read = reinterpret_cast<ReadGamepadsFunction>(dlsym(module, kReadGamepadsSymbol))) {
    read(*this);
  }
}

void SdlModuleThread::Heard(const GamepadState& state) {
  gamepadsHeard_(state);
}

bool SdlModuleThread::Wait(std::chrono::milliseconds time) {
  std::unique_lock lock(mutex_);
  return !stop_.wait_for(lock, time, [this] { return stopping_; });
}

}  // namespace quibbet
