// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/wav_file.h"

#include <string_view>

namespace quibbet {

namespace {

void PutLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) {
    out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  }
}

}  // namespace

std::vector<std::uint8_t> WavFile(std::span<const std::int16_t> samples, int rate) {
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  const auto frameRate = static_cast<std::uint32_t>(rate);
  std::vector<std::uint8_t> out;
  out.reserve(44 + dataBytes);
  // A byte at a time: GCC 12 takes vector::insert from a string here for an overflow at -O3.
  const auto tag = [&out](std::string_view four) {
    for (const char c : four) {
      out.push_back(static_cast<std::uint8_t>(c));
    }
  };
  tag("RIFF");
  PutLittleEndian(out, 36 + dataBytes, 4);
  tag("WAVE");
  tag("fmt ");
  PutLittleEndian(out, 16, 4);
  PutLittleEndian(out, 1, 2);  // PCM
  PutLittleEndian(out, 1, 2);  // mono
  PutLittleEndian(out, frameRate, 4);
  PutLittleEndian(out, frameRate * 2, 4);  // bytes a second
  PutLittleEndian(out, 2, 2);              // bytes a frame
  PutLittleEndian(out, 16, 2);
  tag("data");
  PutLittleEndian(out, dataBytes, 4);
  for (std::int16_t sample : samples) {
    PutLittleEndian(out, static_cast<std::uint16_t>(sample), 2);
  }
  return out;
}

}  // namespace quibbet
