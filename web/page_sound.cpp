// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "page_sound.h"

#include <emscripten/emscripten.h>

namespace quibbet {

namespace {

// clang-format off
EM_JS(void, PlayOnPage, (int cue), { Module.playCue(cue); });
EM_JS(void, SilenceOnPage, (), { Module.silence(); });
// 1 on, 0 off, -1 never chosen or not readable.
EM_JS(int, StoredSound, (), {
  try {
    const kept = localStorage.getItem("quibbet/sound");
    return kept === "on" ? 1 : kept === "off" ? 0 : -1;
  } catch (e) {
    return -1;
  }
});
// A browser that refuses storage keeps the choice for this visit only.
EM_JS(void, StoreSound, (int on), {
  try {
    localStorage.setItem("quibbet/sound", on ? "on" : "off");
  } catch (e) {
    console.warn("The sound setting cannot be kept in this browser's storage: " + e);
  }
});
// clang-format on

}  // namespace

void PageSoundPlayer::Play(Cue cue) {
  PlayOnPage(static_cast<int>(cue));
}

void PageSoundPlayer::Silence() {
  SilenceOnPage();
}

std::optional<bool> PageSoundSetting::Read() {
  const int stored = StoredSound();
  return stored < 0 ? std::nullopt : std::optional<bool>(stored == 1);
}

void PageSoundSetting::Write(bool on) {
  StoreSound(on ? 1 : 0);
}

}  // namespace quibbet
