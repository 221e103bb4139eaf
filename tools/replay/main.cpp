// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// quibbet-replay: runs the game's windows from a script on standard input and prints the state
// at each dump on standard output. With --high-scores FILE the game window keeps its high-score
// table in FILE, as the desktop program keeps its own.

#include <iostream>
#include <string_view>

#include "replay/run.h"
#ifdef QUIBBET_REPLAY_HIGH_SCORES
#include "scores/file_store.h"
#include "storage/qt_table_file.h"
#endif

namespace {

constexpr int kUsageError = 2;

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  if (argc == 1) {
    return quibbet::replay::Run(std::cin, std::cout, std::cerr);
  }
#ifdef QUIBBET_REPLAY_HIGH_SCORES
  if (argc == 3 && std::string_view(argv[1]) == "--high-scores") {
    quibbet::QtTableFile file(QString::fromLocal8Bit(argv[2]));
    quibbet::replay::ScriptedMessageBox box;
    quibbet::FileStore store(
        file, [](const std::string& line) { std::cerr << line << std::endl; }, box);
    return quibbet::replay::Run(std::cin, std::cout, std::cerr, store, box);
  }
  std::cerr << "usage: quibbet-replay [--high-scores FILE] < SCRIPT\n";
#else
  static_cast<void>(argv);
  std::cerr << "usage: quibbet-replay < SCRIPT\n";
#endif
  return kUsageError;
}
