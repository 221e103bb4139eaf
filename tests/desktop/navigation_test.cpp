// Moving between the windows: the rules decide which windows exist and which are shown, and
// the screen follows. The menu and the help window are new windows each time and are really
// gone once left; the game window is only hidden and comes back as it was.

#include <QLabel>
#include <QPointer>

#include "desktop_fixture.h"

namespace quibbet::testing {
namespace {

using Navigation = DesktopTest;

TEST_F(Navigation, TheProgramOpensWithTheMenuAlone) {
  EXPECT_TRUE(menu()->isVisible());
  EXPECT_EQ(help(), nullptr);
  EXPECT_EQ(game(), nullptr);
  EXPECT_EQ(LiveWindows(), 1);
}

TEST_F(Navigation, PlayReplacesTheMenuWithANewRound) {
  const QPointer<QWidget> oldMenu = menu();
  Play();
  ASSERT_NE(game(), nullptr);
  EXPECT_TRUE(game()->isVisible());
  EXPECT_TRUE(form1().Timer1.enabled);
  EXPECT_EQ(menu(), nullptr);
  EXPECT_EQ(LiveWindows(), 1);
  EXPECT_TRUE(oldMenu.isNull()) << "the menu window is destroyed, not hidden";
}

TEST_F(Navigation, HelpAndMenuAreCreatedAfreshAndDestroyedWhenLeft) {
  const QPointer<QWidget> firstMenu = menu();
  Click(menu()->cmdhowto());
  const QPointer<QWidget> firstHelp = help();
  ASSERT_TRUE(firstHelp);
  EXPECT_TRUE(firstHelp->isVisible());
  EXPECT_EQ(LiveWindows(), 1);
  EXPECT_TRUE(firstMenu.isNull());

  Click(help()->Command1());
  EXPECT_EQ(LiveWindows(), 1);
  EXPECT_TRUE(firstHelp.isNull());
  ASSERT_NE(menu(), nullptr);
  EXPECT_TRUE(menu()->isVisible());
  EXPECT_EQ(menu()->focusWidget(), menu()->cmdplay()) << "a new menu, focus on Play again";

  Click(menu()->cmdhowto());
  EXPECT_NE(help(), nullptr);
  EXPECT_EQ(LiveWindows(), 1);
}

TEST_F(Navigation, GoToMainMenuHidesTheGameWhichReturnsAsItWasLeft) {
  Play();
  LoseRound();
  const QPointer<Form1View> gameWindow = game();
  form1().txtname.text = "Ada";
  Click(game()->cmdmain());
  EXPECT_TRUE(gameWindow) << "hidden, not destroyed";
  EXPECT_FALSE(gameWindow->isVisible());
  EXPECT_TRUE(menu()->isVisible());
  EXPECT_EQ(LiveWindows(), 2);

  Click(menu()->cmdhowto());
  Click(help()->Command1());
  Play();
  EXPECT_EQ(game(), gameWindow.data());
  EXPECT_TRUE(game()->isVisible());
  EXPECT_TRUE(game()->cmdreset()->isVisible()) << "still the game-over screen";
  EXPECT_EQ(game()->txtname()->text(), QStringLiteral("Ada"));
  EXPECT_EQ(LiveWindows(), 1);
}

TEST_F(Navigation, ClosingTheOnlyWindowEndsTheProgram) {
  Play();
  game()->close();
  EXPECT_EQ(finished_.count(), 1);
  EXPECT_EQ(LiveWindows(), 0);
}

TEST_F(Navigation, ClosingTheMenuOverAHiddenGameEndsTheProgramWithNothingOnScreen) {
  Play();
  LoseRound();
  Click(game()->cmdmain());
  menu()->close();
  EXPECT_EQ(finished_.count(), 1);
  EXPECT_EQ(LiveWindows(), 0);
}

TEST_F(Navigation, ClosingTheHelpWindowEndsTheProgram) {
  Click(menu()->cmdhowto());
  help()->close();
  EXPECT_EQ(finished_.count(), 1);
  EXPECT_EQ(LiveWindows(), 0);
}

TEST_F(Navigation, AboutShowsTheCreditsAndChangesNothing) {
  const QPointer<QWidget> theMenu = menu();
  Click(menu()->cmdabout());
  ASSERT_EQ(box_.shown.size(), 1u);
  EXPECT_EQ(box_.shown[0].text, "Programmed By Vantrello");
  EXPECT_EQ(box_.shown[0].title, "About Quibbet 2");
  EXPECT_EQ(box_.shown[0].style, MsgBoxStyle::kInformation);
  EXPECT_EQ(menu(), theMenu.data());
  EXPECT_TRUE(menu()->isVisible());
}

TEST_F(Navigation, ExitAnsweredNoKeepsTheMenu) {
  box_.AnswerNext(MsgBoxAnswer::kNo);
  Click(menu()->cmdexit());
  ASSERT_EQ(box_.shown.size(), 1u);
  EXPECT_EQ(box_.shown[0].text, "Are you sure you want to quit?");
  EXPECT_EQ(box_.shown[0].title, "End program");
  EXPECT_EQ(box_.shown[0].style, MsgBoxStyle::kYesNo);
  EXPECT_TRUE(menu()->isVisible());
  EXPECT_EQ(finished_.count(), 0);
}

TEST_F(Navigation, ExitAnsweredYesEndsTheProgramAndTheHiddenGameWithIt) {
  Play();
  LoseRound();
  Click(game()->cmdmain());
  box_.AnswerNext(MsgBoxAnswer::kYes);
  Click(menu()->cmdexit());
  EXPECT_EQ(finished_.count(), 1);
  EXPECT_EQ(game(), nullptr);
  EXPECT_EQ(LiveWindows(), 0);
}

}  // namespace
}  // namespace quibbet::testing
