// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <span>

#include "frontend/sound_cue.h"

// The effects' WAV files, drawn at build time and compiled into the program, in the order of
// kAllCues: playing one reads no file.

namespace quibbet {

extern const std::array<std::span<const unsigned char>, kAllCues.size()> kSoundFiles;

}  // namespace quibbet
