// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/sdl_sound_player.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>

#include "desktop/sound_files.h"

namespace quibbet {

namespace {

// 256 frames at 48 kHz: about 5 ms from a cue to the sound server.
constexpr int kFrames = 256;
constexpr int kRate = 48000;
// More than ever sound at once: a channel is never taken from an effect still sounding.
constexpr int kChannels = 16;

void SayNoSound() {
  std::fprintf(stderr, "quibbet: no sound server or device (%s); playing silently\n",
               SDL_GetError());
}

}  // namespace

SdlSoundPlayer::~SdlSoundPlayer() {
  if (!opened_) {
    return;
  }
  Mix_HaltChannel(-1);
  Mix_CloseAudio();
  for (Mix_Chunk* chunk : chunks_) {
    Mix_FreeChunk(chunk);
  }
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlSoundPlayer::Open() {
  // The program's own signal handling stays: SDL would otherwise turn TERM and INT into events
  // that nobody reads.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  // The sound server, PulseAudio or PipeWire's pulse server. ALSA's and PipeWire's own client
  // libraries, tried without one, would fill standard error with their complaints
  // (SDL_AUDIODRIVER in the environment still rules).
  SDL_SetHint(SDL_HINT_AUDIODRIVER, "pulseaudio");
  // The sound server shows the stream under the game's name.
  SDL_SetHint(SDL_HINT_APP_NAME, "Quibbet");
  SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Quibbet");
  SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_NAME, "Sound effects");
  SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_ROLE, "game");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    SayNoSound();
    return false;
  }
  if (Mix_OpenAudio(kRate, AUDIO_S16SYS, 2, kFrames) != 0) {
    SayNoSound();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  opened_ = true;
  Mix_AllocateChannels(kChannels);
  for (std::size_t i = 0; i < kAllCues.size(); ++i) {
    const std::span<const unsigned char> file = kSoundFiles[i];
    chunks_[i] = Mix_LoadWAV_RW(SDL_RWFromConstMem(file.data(), static_cast<int>(file.size())), 1);
  }
  return true;
}

void SdlSoundPlayer::Play(Cue cue) {
  if (Mix_Chunk* chunk = chunks_[static_cast<std::size_t>(cue)]) {
    Mix_PlayChannel(-1, chunk, 0);
  }
}

void SdlSoundPlayer::Silence() {
  if (opened_) {
    Mix_HaltChannel(-1);
  }
}

}  // namespace quibbet
