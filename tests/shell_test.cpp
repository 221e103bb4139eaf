// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The three windows' states and the moves between them.

#include "shell/shell.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace quibbet::testing {
namespace {

class ShellStates : public ::testing::Test {
 protected:
  ShellStates() : shell(random, box) { shell.Start(); }

  // (menu, help, game) as the state table writes them.
  std::array<WindowState, 3> States() const {
    return {shell.State(Window::kForm2), shell.State(Window::kFrmhelp),
            shell.State(Window::kForm1)};
  }
  static constexpr auto U = WindowState::kUnloaded;
  static constexpr auto H = WindowState::kHidden;
  static constexpr auto V = WindowState::kVisible;
  using States3 = std::array<WindowState, 3>;

  // Plays into a game-over screen: a red block on the square.
  void LoseTheRound() {
    Form1& g = *shell.form1();
    g.shpother[0].left = g.shpgreen.left;
    g.shpother[0].top = g.shpgreen.top;
    shell.RunTicks(1);
    ASSERT_FALSE(g.Timer1.enabled);
  }

  ScriptedRandom random;
  RecordingMessageBox box;
  Shell shell;
};

TEST_F(ShellStates, StartsOnTheMenuAlone) {
  EXPECT_EQ(States(), (States3{V, U, U}));
  EXPECT_EQ(shell.Active(), Window::kForm2);
}

TEST_F(ShellStates, PlayLoadsTheGameWindowWithARoundStarted) {
  shell.Click(Control::kCmdplay);
  EXPECT_EQ(States(), (States3{U, U, V}));
  EXPECT_TRUE(shell.form1()->Timer1.enabled);
  EXPECT_EQ(shell.form1()->lblscore.caption, "0");
  EXPECT_EQ(shell.form1()->shpother[0].left + 615 <= -5000, true);
}

TEST_F(ShellStates, TheHiddenGameWindowReturnsExactlyAsItWasLeft) {
  shell.Click(Control::kCmdplay);
  LoseTheRound();
  Form1* game = shell.form1();
  shell.TypeName("Ann");
  const int draws = random.taken();
  shell.Click(Control::kCmdmain);
  EXPECT_EQ(States(), (States3{V, U, H}));
  shell.Click(Control::kCmdhowto);
  EXPECT_EQ(States(), (States3{U, V, H}));
  shell.Click(Control::kCommand1);
  EXPECT_EQ(States(), (States3{V, U, H}));
  shell.Click(Control::kCmdplay);
  EXPECT_EQ(States(), (States3{U, U, V}));
  EXPECT_EQ(shell.form1(), game);  // the same window: no load, no new round
  EXPECT_EQ(random.taken(), draws);
  EXPECT_FALSE(game->Timer1.enabled);
  EXPECT_TRUE(game->cmdreset.visible);
  EXPECT_EQ(game->txtname.text, "Ann");
  EXPECT_EQ(shell.Generation(Window::kForm1), 1);
}

TEST_F(ShellStates, MenuAndHelpAreCreatedAfreshByEveryMoveThatShowsThem) {
  shell.Click(Control::kCmdhowto);
  EXPECT_EQ(States(), (States3{U, V, U}));
  shell.Click(Control::kCommand1);
  shell.Click(Control::kCmdhowto);
  shell.Click(Control::kCommand1);
  EXPECT_EQ(shell.Generation(Window::kForm2), 3);
  EXPECT_EQ(shell.Generation(Window::kFrmhelp), 2);
}

TEST_F(ShellStates, AboutChangesNothing) {
  shell.Click(Control::kCmdabout);
  ASSERT_EQ(box.shown.size(), 1u);
  EXPECT_EQ(box.shown[0].text, "Programmed By Vantrello");
  EXPECT_EQ(box.shown[0].title, "About Quibbet 2");
  EXPECT_EQ(box.shown[0].style, MsgBoxStyle::kInformation);
  EXPECT_EQ(States(), (States3{V, U, U}));
}

TEST_F(ShellStates, ExitAsksAndEndsOnlyOnYes) {
  box.AnswerNext(MsgBoxAnswer::kNo);
  shell.Click(Control::kCmdexit);
  EXPECT_FALSE(shell.Ended());
  EXPECT_EQ(States(), (States3{V, U, U}));
  EXPECT_EQ(box.shown[0].text, "Are you sure you want to quit?");
  EXPECT_EQ(box.shown[0].title, "End program");
  EXPECT_EQ(box.shown[0].style, MsgBoxStyle::kYesNo);
  EXPECT_FALSE(IsTrue(shell.form2()->cmdexit.value));

  shell.Click(Control::kCmdplay);
  LoseTheRound();
  shell.Click(Control::kCmdmain);
  box.AnswerNext(MsgBoxAnswer::kYes);
  shell.Click(Control::kCmdexit);
  EXPECT_TRUE(shell.Ended());
  EXPECT_EQ(States(), (States3{U, U, U}));  // the hidden game window went too
  EXPECT_EQ(shell.form1(), nullptr);
}

TEST_F(ShellStates, ClosingTheOnlyWindowEndsTheProgram) {
  shell.Close(Window::kForm2);
  EXPECT_TRUE(shell.Ended());

  Shell help(random, box);
  help.Start();
  help.Click(Control::kCmdhowto);
  help.Close(Window::kFrmhelp);
  EXPECT_TRUE(help.Ended());

  Shell game(random, box);
  game.Start();
  game.Click(Control::kCmdplay);
  game.Close(Window::kForm1);
  EXPECT_TRUE(game.Ended());
}

TEST_F(ShellStates, ClosingMenuOrHelpOverAHiddenGameEndsTheProgram) {
  shell.Click(Control::kCmdplay);
  LoseTheRound();
  shell.Click(Control::kCmdmain);
  shell.Click(Control::kCmdhowto);
  shell.Close(Window::kFrmhelp);
  EXPECT_TRUE(shell.Ended());
  EXPECT_EQ(shell.form1(), nullptr);
  // Once ended, nothing brings a window back.
  shell.Click(Control::kCmdplay);
  EXPECT_EQ(States(), (States3{U, U, U}));
}

}  // namespace
}  // namespace quibbet::testing
