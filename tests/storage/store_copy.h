// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "scores/file_store.h"
#include "storage/qt_table_file.h"

// What the stories of the file on a real disk share: a copy of the game's store, and the
// folder's files as bytes.

namespace quibbet::testing {

// The texts of the boxes the player was shown.
class NoticeBox final : public MessageBox {
 public:
  MsgBoxAnswer Show(std::string_view text, std::string_view, MsgBoxStyle) override {
    texts.emplace_back(text);
    return MsgBoxAnswer::kOk;
  }
  std::vector<std::string> texts;
};

// A copy of the game's store on the file at path.
struct Copy {
  explicit Copy(const std::filesystem::path& path,
                std::chrono::milliseconds abandonedLockAge = QtTableFile::kAbandonedLockAge)
      : file(QString::fromStdString(path.string()), abandonedLockAge) {}

  // One click on Submit Score after a round that a blue block reopened the table for.
  HighScoreRows Submit(const std::string& score, const std::string& name) {
    shown = store.Submit(shown, [&](HighScoreRows& rows) {
      Boolean submitted = kFalse;
      EnterScore(rows, score, name, submitted);
    });
    return shown;
  }

  QtTableFile file;
  std::ostringstream warnings;
  NoticeBox player;
  FileStore store{file, [this](const std::string& line) { warnings << line << '\n'; }, player};
  HighScoreRows shown = store.Load();
};

// A new folder of the test's own among the temporary files.
inline std::filesystem::path ScratchFolder(const std::string& prefix) {
  std::string name = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
  if (::mkdtemp(name.data()) == nullptr) {
    throw std::runtime_error("cannot make " + name);
  }
  return name;
}

constexpr uid_t kNobody = 65534;

// Runs body in a child process and returns its exit status; as root, the child runs as nobody,
// for whom file modes count.
inline int InChild(const std::function<bool()>& body) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    const bool dropped = ::geteuid() != 0 || (::setgid(kNobody) == 0 && ::setuid(kNobody) == 0);
    ::_exit(dropped && body() ? 0 : 1);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

inline std::string Slurp(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

inline void Spit(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace quibbet::testing
