// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The high-score file on a real disk through the real store, under the faults that must lose
// nothing: copies of the game killed while writing, two copies submitting at once, a folder that
// cannot be written, a folder where the file should be, a huge file, hostile names.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <random>
#include <sstream>

#include "scores/high_score_file.h"
#include "store_copy.h"

namespace quibbet::testing {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

int LineCount(const std::string& text) {
  return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

unsigned Mode(const fs::path& path) {
  struct stat s {};
  return ::stat(path.c_str(), &s) == 0 ? (s.st_mode & 07777) : 0;
}

class Storage : public ::testing::Test {
 protected:
  void SetUp() override {
    root = ScratchFolder("quibbet-storage");
    folder = root / "quibbet";
    path = folder / "high-scores.json";
  }
  void TearDown() override {
    fs::permissions(root, fs::perms::owner_all);
    if (fs::exists(folder)) {
      fs::permissions(folder, fs::perms::owner_all);
    }
    fs::remove_all(root);
  }
  std::vector<std::string> FolderEntries() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path root;
  fs::path folder;
  fs::path path;
};

// The table after the writer below has entered every score from 126 up to top.
HighScoreRows AfterWriterReached(long long top) {
  HighScoreRows rows = DefaultHighScoreRows();
  Boolean submitted = kFalse;
  for (long long score = std::max(126LL, top - kTableRows); score <= top; ++score) {
    submitted = kFalse;
    EnterScore(rows, std::to_string(score), "writer", submitted);
  }
  return rows;
}

// A copy that writes one better score after another, each written whole, and says so on
// ready after its first write, so that the kill lands among later writes rather than while it
// takes over the lock of the copy killed before it.
[[noreturn]] void WriteForEver(const fs::path& path, int ready) {
  // A lock abandoned by a copy killed while making it is taken over sooner than in the game, so
  // that two hundred kills take seconds rather than minutes.
  Copy copy(path, std::chrono::milliseconds(300));
  // A lock found held is not waited for, so the first entries may stay on screen until the lock
  // left by the copy killed before is taken over.
  for (bool wrote = false;;) {
    copy.Submit(std::to_string(std::stoll(copy.shown[0].score) + 1), "writer");
    if (!wrote && ParseHighScoreFile(Slurp(path)).rows == copy.shown) {
      wrote = true;
      if (::write(ready, "w", 1) != 1) {
        ::_exit(1);
      }
    }
  }
}

bool WaitForByte(int fd) {
  pollfd ready{fd, POLLIN, 0};
  char byte = 0;
  return ::poll(&ready, 1, 10'000) == 1 && ::read(fd, &byte, 1) == 1;
}

TEST_F(Storage, ACopyKilledWhileWritingLeavesTheOldTableOrTheNew) {
  constexpr int kKills = 200;
  std::mt19937 random(20261209);
  // A write takes a few milliseconds, mostly waiting for the disk to sync.
  std::uniform_int_distribution<int> delayUs(0, 20'000);
  long long top = 125;  // the default top row
  int writesSeen = 0;
  for (int kill = 0; kill < kKills; ++kill) {
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t pid = ::fork();
    if (pid == 0) {
      WriteForEver(path, ready[1]);
    }
    const bool wrote = WaitForByte(ready[0]);
    ::close(ready[0]);
    ::close(ready[1]);
    ::usleep(static_cast<useconds_t>(delayUs(random)));
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    ASSERT_TRUE(wrote) << "copy " << kill << " could not write";
    const auto read = ParseHighScoreFile(Slurp(path)).rows;
    ASSERT_TRUE(read) << "kill " << kill << " left a broken file";
    const long long now = std::stoll((*read)[0].score);
    ASSERT_GT(now, top) << "kill " << kill << " brought back an older table";
    ASSERT_EQ(*read, AfterWriterReached(now)) << "kill " << kill;
    writesSeen += static_cast<int>(now - top);
    top = now;
  }
  EXPECT_GT(writesSeen, kKills);
  // A half-written copy is replaced by the next write, and the lock files of copies killed while
  // they held them stay until the next copy takes them over.
  for (const std::string& name : FolderEntries()) {
    EXPECT_TRUE(name == "high-scores.json" || name == ".high-scores.json.saving" ||
                name.starts_with("high-scores.json.lock"))
        << name;
  }
  std::cout << "[ figures  ] " << kKills << " kills, " << writesSeen << " writes completed\n";
}

// Each copy submits ever better scores, so that every entry makes the table. A copy that finds
// its previous entry gone from the table while a lower score still stands there has lost it.
bool SubmitsRising(const fs::path& path, int c, int count) {
  Copy copy(path);
  std::mt19937 player(static_cast<unsigned>(c));
  long long previous = -1;
  bool kept = true;
  for (int k = 0; k < count; ++k) {
    const long long score = 1000 + 2 * k + c;  // never the other copy's
    const HighScoreRows rows = copy.Submit(std::to_string(score), "copy " + std::to_string(c));
    const bool there = std::any_of(rows.begin(), rows.end(), [&](const HighScoreRow& row) {
      return row.score == std::to_string(previous);
    });
    if (previous >= 0 && !there && std::stoll(rows[kTableRows - 1].score) < previous) {
      std::cerr << "copy " << c << " lost its entry " << previous << '\n';
      kept = false;
    }
    previous = score;
    // Clicks come apart, if only by a few milliseconds here.
    ::usleep(std::uniform_int_distribution<useconds_t>(0, 5'000)(player));
  }
  // A lock found held leaves an entry on screen until the next submission, a refused one too.
  for (int k = 0; k < 100 && ParseHighScoreFile(Slurp(path)).rows != copy.shown; ++k) {
    ::usleep(10'000);
    copy.shown = copy.store.Submit(copy.shown, [](HighScoreRows&) {});
  }
  std::cerr << copy.warnings.str();
  const std::string held = "(another copy of the game kept it locked)";
  return kept &&
         (copy.warnings.str().empty() || (LineCount(copy.warnings.str()) == 1 &&
                                          copy.warnings.str().find(held) != std::string::npos));
}

TEST_F(Storage, TwoCopiesSubmittingAtOnceLoseNoEntry) {
  constexpr int kEach = 200;
  std::vector<pid_t> copies;
  std::vector<long long> all;
  for (int c = 0; c < 2; ++c) {
    for (int k = 0; k < kEach; ++k) {
      all.push_back(1000 + 2 * k + c);
    }
    const pid_t pid = ::fork();
    if (pid == 0) {
      ::_exit(SubmitsRising(path, c, kEach) ? 0 : 1);
    }
    copies.push_back(pid);
  }
  for (pid_t pid : copies) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  for (const HighScoreRow& row : DefaultHighScoreRows()) {
    all.push_back(std::stoll(row.score));
  }
  std::sort(all.rbegin(), all.rend());
  const auto read = ParseHighScoreFile(Slurp(path)).rows;
  ASSERT_TRUE(read);
  for (int row = 0; row < kTableRows; ++row) {
    EXPECT_EQ((*read)[static_cast<std::size_t>(row)].score,
              std::to_string(all[static_cast<std::size_t>(row)]));
  }
}

TEST_F(Storage, AReadOnlyFolderKeepsTheTableInMemoryAndTheFileAsItWas) {
  fs::create_directory(folder);
  HighScoreRows stored = DefaultHighScoreRows();
  stored[0] = {"Kept", "500"};
  Spit(path, HighScoreFileText(stored));
  ::chown(folder.c_str(), kNobody, kNobody);
  ::chown(path.c_str(), kNobody, kNobody);
  fs::permissions(root, fs::perms::all);
  fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
  const int status = InChild([&] {
    Copy copy(path);
    const bool loaded = copy.shown == stored;
    const HighScoreRows shown = copy.Submit("200", "Ann");
    copy.Submit("190", "Bo");
    return loaded && shown[1] == HighScoreRow{"Ann", "200"} && LineCount(copy.warnings.str()) == 1;
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(ParseHighScoreFile(Slurp(path)).rows, stored);
}

TEST_F(Storage, AFolderInPlaceOfTheFileIsLeftAlone) {
  fs::create_directories(path / "inside");
  Copy copy(path);
  EXPECT_EQ(copy.shown, DefaultHighScoreRows());
  EXPECT_EQ(copy.Submit("200", "Ann")[0], (HighScoreRow{"Ann", "200"}));
  EXPECT_TRUE(fs::is_directory(path / "inside"));
  ASSERT_EQ(copy.player.texts.size(), 1u);  // at load; the entry is not told again
  EXPECT_NE(copy.player.texts[0].find("(it is a folder)"), std::string::npos);
}

TEST_F(Storage, AHugeFileIsMovedAsideWholeAndANewPrivateOneMadeAtTheFirstEntry) {
  fs::create_directory(folder);
  const std::string huge = "{\"format\": 1, \"table\": [" + std::string(10 << 20, ' ') + "]}";
  Spit(path, huge);
  Copy copy(path);
  EXPECT_EQ(copy.shown, DefaultHighScoreRows());
  const std::vector<std::string> entries = FolderEntries();
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_TRUE(entries[0].starts_with("high-scores.json.bad-"));
  EXPECT_EQ(Slurp(folder / entries[0]), huge);
  EXPECT_NE(copy.warnings.str().find("larger than 1 MiB). They were moved to " +
                                     (folder / entries[0]).string()),
            std::string::npos)
      << copy.warnings.str();

  fs::remove_all(folder);
  copy.Submit("200", "Ann");
  EXPECT_EQ(Mode(folder), 0700u);
  EXPECT_EQ(Mode(path), 0600u);
  EXPECT_EQ(LineCount(copy.warnings.str()), 1);
}

TEST_F(Storage, HostileNamesComeBackAsTyped) {
  const std::vector<std::string> names = {"\0nul\x01\x1b[2J\r\n\t\x7f"s,
                                          "\xE2\x80\xAE"
                                          "evil\xE2\x80\xAC \xD7\xA9\xD7\x9C",
                                          "<script>alert(1)</script> &amp; \"}]",
                                          std::string(kMaxNameUtf16Units, '\\'),
                                          "\xF0\x9F\x98\x80\xEF\xBF\xBF\xE2\x80\xA8"};
  Copy copy(path);
  HighScoreRows shown;
  for (std::size_t i = 0; i < names.size(); ++i) {
    shown = copy.Submit(std::to_string(1000 - i), names[i]);
  }
  EXPECT_EQ(Copy(path).shown, shown);
  EXPECT_EQ(shown[0].name, names[0]);
  EXPECT_TRUE(copy.warnings.str().empty());
}

}  // namespace
}  // namespace quibbet::testing
