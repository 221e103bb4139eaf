// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace quibbet {

// A 16-bit mono PCM WAV file of the samples at the given rate.
std::vector<std::uint8_t> WavFile(std::span<const std::int16_t> samples, int rate);

}  // namespace quibbet
