// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "page_sound.h"

#include <emscripten/emscripten.h>

namespace quibbet {

namespace {

// clang-format off
EM_JS(void, PlayOnPage, (int cue), { Module.playCue(cue); });
EM_JS(void, SilenceOnPage, (), { Module.silence(); });
// clang-format on

}  // namespace

void PageSoundPlayer::Play(Cue cue) {
  PlayOnPage(static_cast<int>(cue));
}

void PageSoundPlayer::Silence() {
  SilenceOnPage();
}

}  // namespace quibbet
