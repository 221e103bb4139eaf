// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the store meets in the folder besides its own table: the player's own files, a named pipe
// or a folder where the table or its lock should be, and where the folder itself is looked for.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>

#include "scores/high_score_file.h"
#include "storage/high_score_path.h"
#include "store_copy.h"

namespace quibbet::testing {
namespace {

namespace fs = std::filesystem;

class OddPaths : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = ScratchFolder("quibbet-paths");
    path = folder / "high-scores.json";
  }
  void TearDown() override { fs::remove_all(folder); }

  fs::path folder;
  fs::path path;
};

TEST_F(OddPaths, TheUsersFilesBesideTheTableAreNeverTouched) {
  const std::map<std::string, std::string> theirs = {
      {"high-scores.json.backup", "1"}, {"HIGH-SCORES.JSON.before", "2"},
      {"high-scores.json.251209", "3"}, {"high-scores.json.AbC123", "4"},
      {"high-scores.json.saving", "5"}, {".high-scores.json.SAVING", "6"},
      {"high-scores.json.bad-x", "7"},
  };
  for (const auto& [name, bytes] : theirs) {
    Spit(folder / name, bytes);
  }
  Spit(path, "not a table");
  Copy copy(path);  // moves the bad file aside
  for (int k = 0; k < 3; ++k) {
    copy.Submit(std::to_string(200 + k), "Ann");
  }
  Spit(folder / ".high-scores.json.saving", "left by a copy killed while saving");
  copy.Submit("300", "Bo");
  std::map<std::string, std::string> now;
  for (const auto& entry : fs::directory_iterator(folder)) {
    now[entry.path().filename().string()] = Slurp(entry.path());
  }
  for (const auto& [name, bytes] : theirs) {
    EXPECT_EQ(now[name], bytes) << name;
    now.erase(name);
  }
  ASSERT_EQ(now.size(), 2u);  // the table, and the bad file moved aside
  EXPECT_EQ((*ParseHighScoreFile(now["high-scores.json"]).rows)[0], (HighScoreRow{"Bo", "300"}));
  now.erase("high-scores.json");
  EXPECT_EQ(now.begin()->second, "not a table");
}

// A named pipe would have the game wait for a writer for ever; a folder where the lock goes would
// be reported as another copy holding it.
TEST_F(OddPaths, ANamedPipeOrAFolderInTheWayIsLeftWherePlayGoesOnAndThePlayerTold) {
  struct Case {
    const char* name;
    bool folder;
    const char* told;
  };
  for (const Case& c :
       {Case{"high-scores.json", false, "(it is a named pipe)"},
        Case{"high-scores.json.lock", false, "high-scores.json.lock is a named pipe"},
        Case{"high-scores.json.lock", true, "high-scores.json.lock is a folder"}}) {
    fs::remove_all(folder);
    fs::create_directory(folder);
    const fs::path odd = folder / c.name;
    ASSERT_EQ(c.folder ? ::mkdir(odd.c_str(), 0700) : ::mkfifo(odd.c_str(), 0600), 0);
    Copy copy(path);
    copy.Submit("200", "Ann");
    EXPECT_EQ(copy.shown[0], (HighScoreRow{"Ann", "200"})) << c.name;
    ASSERT_EQ(copy.player.texts.size(), 1u) << c.name;
    EXPECT_NE(copy.player.texts[0].find(c.told), std::string::npos) << copy.player.texts[0];
    EXPECT_EQ(fs::status(odd).type(), c.folder ? fs::file_type::directory : fs::file_type::fifo);
  }
}

// Each of these once froze the window for five seconds at Play and at every entry, and was told as
// another copy holding the lock.
TEST_F(OddPaths, WhatAQLockFileCanNeverTakeIsToldAsWhatItIsWithoutAWait) {
  struct Case {
    const char* odd;
    const char* told;
  };
  for (const Case& c : {Case{"dangling link", "high-scores.json.lock is a link to "},
                        Case{"folder taking over", "high-scores.json.lock.rmlock is a folder"},
                        Case{"another user's", "belongs to another user"}}) {
    fs::remove_all(folder);
    fs::create_directory(folder);
    const fs::path lock = folder / "high-scores.json.lock";
    if (c.odd == std::string("dangling link")) {
      fs::create_symlink(folder / "gone", lock);
    } else if (c.odd == std::string("folder taking over")) {
      Spit(lock, "999999999\nquibbet\nelsewhere\n");
      fs::create_directory(folder / "high-scores.json.lock.rmlock");
    } else {
      if (::geteuid() != 0) {
        const char* ci = std::getenv("CI");
        ASSERT_FALSE(ci && std::string(ci) == "true") << "another user's lock needs root";
        continue;
      }
      // Left by a copy that died, owned by root; the copy below runs as nobody.
      Spit(lock, "999999999\nquibbet\n\n");
    }
    ::chown(folder.c_str(), kNobody, kNobody);
    const auto start = std::chrono::steady_clock::now();
    const int status = InChild([&] {
      Copy copy(path);
      copy.Submit("200", "Ann");
      const std::string told = copy.player.texts.empty() ? "" : copy.player.texts[0];
      return copy.shown[0] == HighScoreRow{"Ann", "200"} && copy.player.texts.size() == 1 &&
             told.find(c.told) != std::string::npos;
    });
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(status, 0) << c.odd;
    EXPECT_LT(took, std::chrono::milliseconds(500)) << c.odd;
    EXPECT_TRUE(fs::exists(fs::symlink_status(lock))) << c.odd;
  }
}

// A link the player made to keep the table elsewhere stays a link, and leads to the new table; a
// file made read-only is left as it is. Either way the entry stays on screen.
TEST_F(OddPaths, ALinkIsWrittenThroughAndAReadOnlyFileLeftAsItIs) {
  const fs::path elsewhere = ScratchFolder("quibbet-elsewhere");
  fs::create_symlink(elsewhere / "scores.json", path);
  Copy copy(path);
  copy.Submit("200", "Ann");
  EXPECT_TRUE(fs::is_symlink(path));
  EXPECT_EQ((*ParseHighScoreFile(Slurp(elsewhere / "scores.json")).rows)[0],
            (HighScoreRow{"Ann", "200"}));
  EXPECT_TRUE(copy.player.texts.empty());

  Spit(elsewhere / "scores.json", "not a table");
  Copy second(path);  // moves the bad file aside beside itself, and keeps the link
  second.Submit("210", "Bo");
  EXPECT_TRUE(fs::is_symlink(path));
  EXPECT_EQ((*ParseHighScoreFile(Slurp(path)).rows)[0], (HighScoreRow{"Bo", "210"}));
  EXPECT_EQ(std::distance(fs::directory_iterator(elsewhere), fs::directory_iterator()), 2);
  fs::remove_all(elsewhere);

  fs::remove(path);
  const std::string kept = HighScoreFileText(DefaultHighScoreRows());
  Spit(path, kept);
  fs::permissions(path, fs::perms::owner_read);
  Copy third(path);
  third.Submit("220", "Cy");
  EXPECT_EQ(Slurp(path), kept);
  EXPECT_EQ(third.shown[0], (HighScoreRow{"Cy", "220"}));
  ASSERT_EQ(third.player.texts.size(), 1u);
  EXPECT_NE(third.player.texts[0].find("(the file is read-only, and is left as it is)"),
            std::string::npos)
      << third.player.texts[0];
}

TEST_F(OddPaths, ARelativeDataHomeIsIgnored) {
  ::setenv("HOME", folder.c_str(), 1);
  ::setenv("XDG_DATA_HOME", "relative/share", 1);
  EXPECT_EQ(HighScoreFilePath().toStdString(),
            (folder / ".local/share/quibbet/high-scores.json").string());
  ::setenv("XDG_DATA_HOME", (folder / "data").c_str(), 1);
  EXPECT_EQ(HighScoreFilePath().toStdString(), (folder / "data/quibbet/high-scores.json").string());
}

}  // namespace
}  // namespace quibbet::testing
