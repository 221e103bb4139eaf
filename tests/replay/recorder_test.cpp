// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A session put on record replays to the states it recorded, also when another copy of the game
// changes the table on disk meanwhile, and a recording that cannot be written stops without
// stopping the game.

#include "record/recorder.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "script_runner.h"
#include "test_support.h"

namespace quibbet::replay {
namespace {

using record::Recorder;

// Lines kept in memory; once the disk is full, none more.
class Lines final : public record::LineSink {
 public:
  bool Write(std::string_view lines) override {
    if (text.size() + lines.size() > room) {
      return false;
    }
    text += lines;
    return true;
  }
  std::string Failure() const override { return "could not write here: No space left on device"; }

  std::string text;
  std::size_t room = std::string::npos;
};

// A session of the program as a front end drives it, recorded.
struct RecordedSession {
  explicit RecordedSession(Lines& script, HighScoreStore& store = KeptInMemory())
      : recorder(random, box, script, states, err, store) {
    recorder.Attach(shell);
    shell.Start();
  }

  // Plays with the square parked where it catches the blue block and a red one soon after.
  void PlayARound() {
    shell.MovePointer(5040, 6255);
    shell.RunTicks(240);
    shell.PressKey(kSpacebar);
    for (int i = 0; shell.form1()->Timer1.enabled && i < 100; ++i) {
      shell.MovePointer(static_cast<float>(i * 97 % 10000), static_cast<float>(i * 61 % 8000));
      shell.RunTicks(3);
    }
  }

  FixedSeedRandom random;
  testing::RecordingMessageBox box;
  Lines states;
  std::ostringstream err;
  Recorder recorder;
  Shell shell{recorder.random(), recorder.box(), recorder.store()};
};

// The table on disk as this copy finds it: changed by another copy before the game window loads,
// and again before this copy's score goes in.
class SharedTable final : public HighScoreStore {
 public:
  HighScoreRows Load() override { return disk_; }
  HighScoreRows Submit(const HighScoreRows& /*shown*/, const Submission& submit) override {
    disk_[4] = {"Other copy", "3"};
    submit(disk_);
    return disk_;
  }

 private:
  HighScoreRows disk_ = [] {
    HighScoreRows rows = DefaultHighScoreRows();
    rows[0] = {"Bea", "900"};
    return rows;
  }();
};

TEST(Recorder, ASessionReplaysToTheStatesItRecorded) {
  Lines script;
  {
    RecordedSession session(script);
    Shell& shell = session.shell;
    shell.Click(Control::kCmdabout);
    shell.Click(Control::kCmdplay);
    session.PlayARound();
    shell.TypeName("Ann Lee");
    shell.Click(Control::kCmdsubmit);
    shell.Click(Control::kCmdreset);
    session.PlayARound();
    shell.Click(Control::kCmdmain);
    session.box.AnswerNext(MsgBoxAnswer::kNo);
    shell.Click(Control::kCmdexit);
    session.box.AnswerNext(MsgBoxAnswer::kYes);
    shell.Click(Control::kCmdexit);
    ASSERT_TRUE(shell.Ended());
    session.recorder.Finish();
    EXPECT_EQ(session.err.str(), "");

    const ScriptResult replayed = RunScript(script.text);
    EXPECT_EQ(replayed.exitCode, 0) << replayed.err;
    ASSERT_EQ(replayed.dumps.size(), 3u);  // two rounds lost, and the end
    EXPECT_EQ(replayed.out, session.states.text);
  }
  EXPECT_TRUE(script.text.starts_with("row 1 125 Zell\nrow 2 115 Harrowin\n"));
  EXPECT_NE(script.text.find("\nkey 32\n"), std::string::npos);
  EXPECT_NE(script.text.find("\nanswer 7\n"), std::string::npos);
}

TEST(Recorder, TablesAnotherCopyWroteAreInTheScript) {
  Lines script;
  SharedTable disk;
  RecordedSession session(script, disk);
  session.shell.Click(Control::kCmdplay);
  session.PlayARound();
  session.shell.TypeName("Ann");
  session.shell.Click(Control::kCmdsubmit);
  session.shell.Close(Window::kForm1);
  session.recorder.Finish();

  const ScriptResult replayed = RunScript(script.text);
  EXPECT_EQ(replayed.exitCode, 0) << replayed.err;
  EXPECT_EQ(replayed.out, session.states.text);
  EXPECT_NE(script.text.find("\nrow 1 900 Bea\n"), std::string::npos) << script.text.substr(0, 300);
  EXPECT_NE(script.text.find("\nrow 5 3 Other copy\n"), std::string::npos);
}

// Nothing is written at the end: the script is what a killed game leaves behind.
TEST(Recorder, AKilledGameLeavesAScriptUpToItsLastSecond) {
  Lines script;
  RecordedSession session(script);
  session.shell.Click(Control::kCmdplay);
  session.shell.MovePointer(0, 0);
  for (int tick = 0; tick < 200; ++tick) {
    session.shell.RunTicks(1);
  }
  const ScriptResult replayed = RunScript(script.text + "dump\n");
  EXPECT_EQ(replayed.exitCode, 0) << replayed.err;
  ASSERT_EQ(replayed.dumps.size(), 1u);
  EXPECT_GT(replayed.dumps[0]["game"]["tickcount"], 200 - 63);
}

// A stored table with a line break in a name, as the table's reader takes it.
class TableWithLineBreaks final : public HighScoreStore {
 public:
  HighScoreRows Load() override {
    HighScoreRows rows = DefaultHighScoreRows();
    rows[0] = {"two\nlines", "900"};
    rows[1] = {"tab\there\\", "800"};
    return rows;
  }
  HighScoreRows Submit(const HighScoreRows& shown, const Submission& submit) override {
    HighScoreRows rows = shown;
    submit(rows);
    return rows;
  }
};

TEST(Recorder, NamesWithControlCharactersGoOnRecordEscaped) {
  Lines script;
  TableWithLineBreaks disk;
  RecordedSession session(script, disk);
  session.shell.Click(Control::kCmdplay);
  session.PlayARound();
  session.shell.TypeName("pasted\r\nname \x1b[2J\u0085");
  session.shell.Click(Control::kCmdsubmit);
  session.shell.Close(Window::kForm1);
  session.recorder.Finish();
  EXPECT_EQ(session.err.str(), "");

  const ScriptResult replayed = RunScript(script.text);
  EXPECT_EQ(replayed.exitCode, 0) << replayed.err;
  EXPECT_EQ(replayed.out, session.states.text);
  EXPECT_NE(script.text.find("\nrow-escaped 1 900 two\\nlines\n"), std::string::npos);
  EXPECT_NE(script.text.find("\nrow-escaped 2 800 tab\\there\\\\\n"), std::string::npos);
  EXPECT_NE(script.text.find("\ntype-escaped pasted\\r\\nname \\x1b[2J\\xc2\\x85\n"),
            std::string::npos);
  EXPECT_EQ(script.text.find('\x1b'), std::string::npos);
}

TEST(Recorder, AFullDiskStopsTheRecordingAndNotTheGame) {
  Lines script;
  script.room = 1000;
  RecordedSession session(script);
  session.shell.Click(Control::kCmdplay);
  session.PlayARound();
  EXPECT_FALSE(session.recorder.recording());
  session.shell.Click(Control::kCmdreset);
  session.PlayARound();
  EXPECT_FALSE(session.shell.form1()->Timer1.enabled);  // the second round was played out
  EXPECT_EQ(session.err.str(),
            "quibbet: recording stopped: could not write here: No space left on device\n");
  const ScriptResult replayed = RunScript(script.text);
  EXPECT_EQ(replayed.exitCode, 0) << replayed.err;
}

}  // namespace
}  // namespace quibbet::replay
