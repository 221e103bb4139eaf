// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Moves between the windows and the ways the program ends.

#include <gtest/gtest.h>

#include "script_runner.h"

namespace quibbet::replay {
namespace {

using nlohmann::json;

json Windows(const char* form1, const char* form2, const char* frmhelp) {
  return {{"Form1", form1}, {"Form2", form2}, {"frmhelp", frmhelp}};
}

TEST(Navigation, HowToPlayAndBackReplaceTheMenu) {
  const ScriptResult result = RunScript("click cmdhowto\ndump\nclick Command1\ndump\n");
  ASSERT_EQ(result.dumps.size(), 2u);
  EXPECT_EQ(result.dumps[0]["windows"], Windows("unloaded", "unloaded", "visible"));
  EXPECT_EQ(result.dumps[1]["windows"], Windows("unloaded", "visible", "unloaded"));
}

class ProgramEnd : public ::testing::TestWithParam<std::string> {};

TEST_P(ProgramEnd, LeavesNoWindowAndNoGame) {
  const ScriptResult result = RunScript(GetParam() + "dump\n");
  ASSERT_EQ(result.exitCode, 0) << result.err;
  const json expected = {{"ended", true},
                         {"windows", Windows("unloaded", "unloaded", "unloaded")},
                         {"messages", json::array()},
                         {"game", nullptr}};
  EXPECT_EQ(result.dumps.at(0), expected);
}

INSTANTIATE_TEST_SUITE_P(LastWindowClosed, ProgramEnd,
                         ::testing::Values("close Form2\n", "click cmdhowto\nclose frmhelp\n",
                                           kPlay + "close Form1\n",
                                           kLoseFirstRound + "close Form1\n"));

// The game window hidden behind the menu or the help window, which is then closed: nothing is
// left on screen, and that ends the program.
INSTANTIATE_TEST_SUITE_P(NoWindowOnScreen, ProgramEnd,
                         ::testing::Values(kLoseFirstRound + "click cmdmain\nclose Form2\n",
                                           kLoseFirstRound +
                                               "click cmdmain\nclick cmdhowto\nclose frmhelp\n"));

}  // namespace
}  // namespace quibbet::replay
