// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The message boxes: OK-only boxes answer themselves, Yes/No boxes take the queued answers in
// order, and each dump lists the boxes shown since the previous one.

#include <gtest/gtest.h>

#include "script_runner.h"

namespace quibbet::replay {
namespace {

using nlohmann::json;

const json kAbout = {{"text", "Programmed By Vantrello"},
                     {"title", "About Quibbet 2"},
                     {"style", 64},
                     {"answer", 1}};

json Quit(int answer) {
  return {{"text", "Are you sure you want to quit?"},
          {"title", "End program"},
          {"style", 4},
          {"answer", answer}};
}

TEST(MessageBoxes, AboutIsAnsweredOkAndListedOnlyInTheNextDump) {
  const ScriptResult result = RunScript("click cmdabout\ndump\ndump\n");
  ASSERT_EQ(result.dumps.size(), 2u);
  EXPECT_EQ(result.dumps[0]["messages"], json::array({kAbout}));
  EXPECT_EQ(result.dumps[0]["windows"]["Form2"], "visible");
  EXPECT_EQ(result.dumps[1]["messages"], json::array());
}

TEST(MessageBoxes, ExitAnsweredYesEndsTheProgramWithTheHiddenGameWindow) {
  const ScriptResult result =
      RunScript(kLoseFirstRound + "click cmdmain\nanswer 6\nclick cmdexit\ndump\n");
  const json expected = {
      {"ended", true},
      {"windows", {{"Form1", "unloaded"}, {"Form2", "unloaded"}, {"frmhelp", "unloaded"}}},
      {"messages", json::array({Quit(6)})},
      {"game", nullptr}};
  EXPECT_EQ(result.dumps.at(0), expected);
}

TEST(MessageBoxes, QueuedAnswersWaitForYesNoBoxesInOrder) {
  const ScriptResult result =
      RunScript("answer 7\nanswer 6\nclick cmdabout\nclick cmdexit\nclick cmdexit\ndump\n");
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.dumps.at(0)["messages"], json::array({kAbout, Quit(7), Quit(6)}));
  EXPECT_TRUE(result.dumps[0]["ended"]);
}

TEST(MessageBoxes, ScoreBelowTheTableIsRefusedOnEveryClick) {
  const json refusal = {{"text", "FAIL! Score not good enough for highscores list."},
                        {"title", "Error"},
                        {"style", 0},
                        {"answer", 1}};
  const ScriptResult result =
      RunScript(kLoseFirstRound + "type Ann\nclick cmdsubmit\nclick cmdsubmit\ndump\n");
  const json& dump = result.dumps.at(0);
  EXPECT_EQ(dump["messages"], json::array({refusal, refusal}));
  EXPECT_EQ(dump["game"]["table"][4]["name"], "Dunmere");
  EXPECT_FALSE(dump["game"]["submitted"]);
}

}  // namespace
}  // namespace quibbet::replay
