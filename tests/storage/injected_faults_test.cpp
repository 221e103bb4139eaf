// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs under fiu-run -x: libfiu makes one call of the C library fail with the error a full or
// failing disk gives, and the story is told for every call the store makes to save an entry.

#include <fiu-control.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <map>

#include "scores/high_score_file.h"
#include "store_copy.h"

namespace quibbet::testing {
namespace {

namespace fs = std::filesystem;

// libfiu asks a plain function whether the call at hand fails.
int g_calls = 0;
int g_failAt = 0;

int FailTheNthCall(const char* /*point*/, int* /*failnum*/, void** /*failinfo*/,
                   unsigned* /*flags*/) {
  return ++g_calls == g_failAt ? 1 : 0;
}

// Arms point so that its nth call from now fails with error; 0 fails none and only counts.
class Injection {
 public:
  Injection(const char* point, int error, int nth) : point_(point) {
    g_calls = 0;
    g_failAt = nth;
    fiu_enable_external(point, 1, reinterpret_cast<void*>(static_cast<std::intptr_t>(error)), 0,
                        FailTheNthCall);
  }
  ~Injection() { fiu_disable(point_); }
  Injection(const Injection&) = delete;
  Injection& operator=(const Injection&) = delete;

 private:
  const char* point_;
};

// The player's own files beside the table, named like the store's but none of its own.
const std::map<std::string, std::string> kUsersFiles = {
    {"high-scores.json.backup", "mine"},      {"HIGH-SCORES.JSON.before", "mine too"},
    {"high-scores.json.251209", "a copy"},    {"high-scores.json.saving", "not the store's"},
    {".high-scores.json.Saving", "nor this"},
};

class InjectedFaults : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = ScratchFolder("quibbet-faults");
    path = folder / "high-scores.json";
    old[0] = {std::string(2000, 'o'), "300"};  // a file of a few kilobytes, as a real one
  }
  void TearDown() override { fs::remove_all(folder); }

  void Lay() {
    for (const auto& entry : fs::directory_iterator(folder)) {
      fs::remove_all(entry.path());
    }
    Spit(path, HighScoreFileText(old));
    for (const auto& [name, bytes] : kUsersFiles) {
      Spit(folder / name, bytes);
    }
  }
  std::map<std::string, std::string> Folder() const {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
      files[entry.path().filename().string()] = Slurp(entry.path());
    }
    return files;
  }

  fs::path folder;
  fs::path path;
  HighScoreRows old = DefaultHighScoreRows();
};

TEST_F(InjectedFaults, AFullDiskKeepsTheOldTableAndSaysSo) {
  HighScoreRows withAnn = old;
  Boolean submitted = kFalse;
  EnterScore(withAnn, "500", "Ann", submitted);
  const std::string oldFile = HighScoreFileText(old);
  const std::string newFile = HighScoreFileText(withAnn);
  std::map<std::string, std::string> expectedFolder = kUsersFiles;

  for (const char* point : {"posix/io/oc/open", "posix/io/rw/write", "posix/io/sync/fsync",
                            "posix/io/dir/rename", "posix/io/oc/close"}) {
    Lay();
    int calls = 0;
    {
      Copy counting(path);
      const Injection count(point, 0, 0);
      counting.Submit("500", "Ann");
      calls = g_calls;
    }
    ASSERT_GT(calls, 0) << point << " is never called: is the test run under fiu-run -x?";
    int faults = 0;
    int kept = 0;
    for (int error : {ENOSPC, EIO, EDQUOT}) {
      for (int nth = 1; nth <= calls; ++nth) {
        const std::string which =
            std::string(point) + " call " + std::to_string(nth) + " " + std::strerror(error);
        Lay();
        Copy copy(path);
        {
          const Injection fail(point, error, nth);
          copy.Submit("500", "Ann");
        }
        ++faults;
        const std::string file = Slurp(path);
        ASSERT_TRUE(file == oldFile || file == newFile) << which;
        // Told exactly when the entry is not in the file.
        EXPECT_EQ(copy.player.texts.size(), file == oldFile ? 1u : 0u) << which;
        EXPECT_EQ(copy.shown[0], withAnn[0]) << which;  // the entry is on screen either way
        expectedFolder["high-scores.json"] = file;
        EXPECT_EQ(Folder(), expectedFolder) << which;
        if (file == oldFile) {
          ++kept;
          // With the disk back, the next entry saves Ann's with it.
          copy.Submit("400", "Bo");
          const auto saved = ParseHighScoreFile(Slurp(path)).rows;
          ASSERT_TRUE(saved) << which;
          EXPECT_EQ((*saved)[0], (HighScoreRow{"Ann", "500"})) << which;
          EXPECT_EQ((*saved)[1], (HighScoreRow{"Bo", "400"})) << which;
        }
      }
    }
    std::cout << "[ figures  ] " << point << ": " << calls << " calls, " << faults
              << " faults: " << kept << " kept the old table and told the player, " << faults - kept
              << " saved the new one\n";
  }
}

}  // namespace
}  // namespace quibbet::testing
