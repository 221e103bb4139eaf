// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A recording that runs out of room keeps whole lines only, so its script never ends in half a
// command that would replay as another, and it says which file and why.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <variant>

#include "record/recording_files.h"

namespace quibbet::record {
namespace {

// The size limit a process may write files up to stands in for a full disk; without the signal
// a write beyond it fails with EFBIG after writing what fits.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) : signal_(std::signal(SIGXFSZ, SIG_IGN)) {
    getrlimit(RLIMIT_FSIZE, &before_);
    const rlimit limit{bytes, before_.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &before_);
    std::signal(SIGXFSZ, signal_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit before_{};
  void (*signal_)(int);
};

std::string ContentOf(const std::filesystem::path& path) {
  std::ifstream in(path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(RecordingFile, OutOfRoomKeepsWholeLinesAndSaysWhy) {
  const std::filesystem::path path = std::filesystem::path(::testing::TempDir()) /
                                     ("recording-" + std::to_string(::getpid()) + ".txt");
  auto opened = OpenRecordingFiles(path.string(), false);
  ASSERT_TRUE(std::holds_alternative<RecordingFiles>(opened)) << std::get<std::string>(opened);
  RecordingFile& script = std::get<RecordingFiles>(opened).script;
  {
    const FileSizeLimit limit(20);
    EXPECT_TRUE(script.Write("move 1 2\n"));
    EXPECT_FALSE(script.Write("move 3 4\nmove 5 6\n"));
  }
  EXPECT_EQ(ContentOf(path), "move 1 2\n");
  EXPECT_EQ(script.Failure(), "could not write " + path.string() + ": File too large");
  std::filesystem::remove(path);
  std::filesystem::remove(path.string() + ".jsonl");
}

}  // namespace
}  // namespace quibbet::record
