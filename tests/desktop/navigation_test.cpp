// Moving between the windows: the rules decide which windows exist and which are shown, and
// the screen follows. The menu and the help window are new windows each time and are really
// gone once left; the game window is only hidden and comes back as it was.

#include <QPointer>
#include <QTest>

#include "desktop_fixture.h"

namespace quibbet::testing {
namespace {

using Navigation = DesktopTest;

TEST_F(Navigation, MenuAndHelpAreCreatedAfreshAndDestroyedWhenLeft) {
  EXPECT_EQ(LiveWindows(), 1);
  const QPointer<QWidget> firstMenu = menu();
  Click(menu()->cmdhowto());
  const QPointer<QWidget> firstHelp = help();
  EXPECT_TRUE(firstHelp->isVisible());
  EXPECT_EQ(LiveWindows(), 1);
  EXPECT_TRUE(firstMenu.isNull());

  Click(help()->Command1());
  EXPECT_EQ(LiveWindows(), 1);
  EXPECT_TRUE(firstHelp.isNull());
  EXPECT_TRUE(menu()->isVisible());
  EXPECT_EQ(menu()->focusWidget(), menu()->cmdplay()) << "a new menu, focus on Play again";

  Click(menu()->cmdplay());
  EXPECT_TRUE(game()->isVisible());
  EXPECT_TRUE(form1().Timer1.enabled) << "a round has started";
  EXPECT_EQ(LiveWindows(), 1);
}

TEST_F(Navigation, GoToMainMenuHidesTheGameWhichReturnsAsItWasLeft) {
  Click(menu()->cmdplay());
  LoseRound();
  const QPointer<Form1View> gameWindow = game();
  form1().txtname.text = "Ada";
  Click(game()->cmdmain());
  EXPECT_FALSE(gameWindow->isVisible());
  EXPECT_TRUE(menu()->isVisible());
  EXPECT_EQ(LiveWindows(), 2) << "the game window is hidden, not destroyed";

  Click(menu()->cmdhowto());
  Click(help()->Command1());
  Click(menu()->cmdplay());
  EXPECT_EQ(game(), gameWindow.data());
  EXPECT_TRUE(game()->cmdreset()->isVisible()) << "still the game-over screen";
  EXPECT_EQ(game()->txtname()->text(), QStringLiteral("Ada"));
  EXPECT_EQ(LiveWindows(), 1);
}

// Enter presses the focused button of every window, as the spacebar does; a held Enter presses
// it once.
TEST_F(Navigation, TheKeyboardAloneMovesBetweenTheWindows) {
  const auto press = [](QWidget* window, Qt::Key key) {
    QTest::keyClick(window->windowHandle(), key);
  };
  press(menu(), Qt::Key_Tab);
  ASSERT_EQ(menu()->focusWidget(), menu()->cmdhowto());
  press(menu(), Qt::Key_Return);
  ASSERT_NE(help(), nullptr);
  press(help(), Qt::Key_Return);
  ASSERT_NE(menu(), nullptr);
  EXPECT_EQ(help(), nullptr);

  Click(menu()->cmdhowto());
  press(help(), Qt::Key_Escape);  // the help window's only way out
  ASSERT_NE(menu(), nullptr);
  EXPECT_EQ(help(), nullptr);

  press(menu(), Qt::Key_Enter);
  ASSERT_NE(game(), nullptr);
  LoseRound();
  game()->cmdreset()->setFocus();
  QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
  QCoreApplication::sendEvent(game()->cmdreset(), &held);
  EXPECT_FALSE(form1().Timer1.enabled) << "a repeat of a held Enter presses nothing";
  press(game(), Qt::Key_Return);
  EXPECT_TRUE(form1().Timer1.enabled) << "Click To Play Again";
}

TEST_F(Navigation, ClosingTheOnlyWindowEndsTheProgram) {
  Click(menu()->cmdplay());
  game()->close();
  EXPECT_EQ(finished_.count(), 1);
  EXPECT_EQ(LiveWindows(), 0);
}

TEST_F(Navigation, ClosingTheMenuOverAHiddenGameEndsTheProgram) {
  Click(menu()->cmdplay());
  LoseRound();
  Click(game()->cmdmain());
  menu()->close();
  EXPECT_EQ(finished_.count(), 1);
  EXPECT_EQ(LiveWindows(), 0);
}

TEST_F(Navigation, AboutAndExitAskThroughMessageBoxes) {
  Click(menu()->cmdabout());
  box_.AnswerNext(MsgBoxAnswer::kNo);
  Click(menu()->cmdexit());
  ASSERT_EQ(box_.shown.size(), 2u);
  EXPECT_EQ(box_.shown[0].text, "Programmed By Vantrello");
  EXPECT_EQ(box_.shown[0].title, "About Quibbet 2");
  EXPECT_EQ(box_.shown[0].style, MsgBoxStyle::kInformation);
  EXPECT_EQ(box_.shown[1].text, "Are you sure you want to quit?");
  EXPECT_EQ(box_.shown[1].title, "End program");
  EXPECT_EQ(box_.shown[1].style, MsgBoxStyle::kYesNo);
  EXPECT_TRUE(menu()->isVisible()) << "No keeps the menu";
  EXPECT_EQ(finished_.count(), 0);

  box_.AnswerNext(MsgBoxAnswer::kYes);
  Click(menu()->cmdexit());
  EXPECT_EQ(finished_.count(), 1);
  EXPECT_EQ(LiveWindows(), 0);
}

}  // namespace
}  // namespace quibbet::testing
