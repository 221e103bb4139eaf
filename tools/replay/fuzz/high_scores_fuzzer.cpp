// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target: any bytes, read as the high-score file. The reader either refuses them with
// a reason or gives five rows that the game writes back byte for byte the same way and reads
// back unchanged. Anything else is a fault: a crash, a sanitizer report, an exception.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <string_view>

#include "scores/high_score_file.h"

namespace {

[[noreturn]] void Fail(std::string_view what) {
  std::cerr << "high-score reader fuzzer: " << what << '\n';
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const quibbet::ParsedHighScores parsed = quibbet::ParseHighScoreFile(bytes);
  if (!parsed.rows) {
    if (parsed.problem.empty()) {
      Fail("a file was refused without a reason");
    }
    return 0;
  }
  const std::string written = quibbet::HighScoreFileText(*parsed.rows);
  const quibbet::ParsedHighScores again = quibbet::ParseHighScoreFile(written);
  if (again.rows != parsed.rows) {
    Fail("a table read from a file did not read back the same once written");
  }
  if (quibbet::HighScoreFileText(*again.rows) != written) {
    Fail("a table was written two ways");
  }
  return 0;
}
