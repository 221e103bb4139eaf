// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Playing in the game window: the pointer and the keyboard reach the game's handlers, every
// tick shows on screen, and what the player types is shown exactly as typed.

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>

#include "desktop_fixture.h"
#include "frontend/kept_settings.h"
#include "paint_counter.h"

namespace quibbet::testing {
namespace {

using namespace Qt::Literals::StringLiterals;

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kGreen = qRgb(0, 255, 0);
const QRgb kYellow = qRgb(255, 255, 0);

class GameWindow : public DesktopTest {
 protected:
  GameWindow() { Click(menu()->cmdplay()); }

  // A pointer movement as the window system reports it, to whichever widget is under it.
  void MovePointer(QPoint to) { QTest::mouseMove(game()->windowHandle(), to); }
};

TEST_F(GameWindow, ThePointerMovesTheSquareInTwips) {
  MovePointer({200, 300});
  EXPECT_EQ(form1().shpgreen.left, 3000);
  EXPECT_EQ(form1().shpgreen.top, 4500);
  const QImage painted = Picture(*game());
  EXPECT_EQ(painted.pixel(199, 310), qRgb(255, 255, 255));
  EXPECT_EQ(painted.pixel(200, 310), kBlack);
  EXPECT_EQ(painted.pixel(212, 312), kGreen);

  MovePointer({340, 15});  // over the label "Score", inside the info bar
  EXPECT_EQ(form1().shpgreen.left, 5100);
  EXPECT_EQ(form1().shpgreen.top, 735) << "pulled out of the info bar";

  QMouseEvent between(QEvent::MouseMove, QPointF(100.5, 200.25), QPointF(100.5, 200.25),
                      Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(game(), &between);
  EXPECT_EQ(form1().shpgreen.left, 1507.5f) << "positions keep their fractions";
  EXPECT_EQ(form1().shpgreen.top, 3003.75f);
}

TEST_F(GameWindow, CMarksTheSquareAndCAgainTakesTheMarkOff) {
  KeptSettings settings;
  Choice symbols(settings, kSymbolsChoice);
  controller_.session().AttachSymbols(symbols);
  MovePointer({200, 300});
  const QPoint centre(212, 312);
  EXPECT_EQ(Picture(*game()).pixel(centre), kGreen);
  QTest::keyClick(game()->windowHandle(), Qt::Key_C);
  EXPECT_EQ(Picture(*game()).pixel(centre), kBlack) << "the square's mark";
  QTest::keyClick(game()->windowHandle(), Qt::Key_C);
  EXPECT_EQ(Picture(*game()).pixel(centre), kGreen);
}

TEST_F(GameWindow, EachTickRepaintsTheBlocks) {
  PaintCounter paints(*game());
  ASSERT_TRUE(QTest::qWaitFor([&] { return paints.count > 0; }));
  Shape& yellow = form1().shpother[4];
  yellow.left = 1500;
  yellow.top = 3000;
  const int before = paints.count;
  controller_.RunTicks(1);
  EXPECT_EQ(yellow.left, 1550);
  EXPECT_TRUE(QTest::qWaitFor([&] { return paints.count > before; }));
  // The clock keeps running while the test waits, so on a busy machine the block may have
  // moved on by a few more ticks: it is looked for where it is now.
  const QImage painted = Picture(*game());
  const int x = static_cast<int>(yellow.left / 15) + 12;
  const int y = static_cast<int>(yellow.top / 15) + 12;
  EXPECT_EQ(painted.pixel(x, y), kYellow) << "the block at its new place";
}

TEST_F(GameWindow, TheClockRunsAtThePaceOnlyWhileARoundIsPlayed) {
  // Timed from just after a tick, so that ticks owed for a slow set-up are not counted, and
  // against the time that really passed, which a busy machine stretches.
  const std::int16_t first = form1().tickcount;
  ASSERT_TRUE(QTest::qWaitFor([&] { return form1().tickcount != first; }));
  const std::int16_t start = form1().tickcount;
  QElapsedTimer clock;
  clock.start();
  QTest::qWait(500);
  const int ticks = form1().tickcount - start;
  EXPECT_GT(ticks, 0);
  EXPECT_LE(ticks, clock.elapsed() / 16 + 1) << "never faster than 62.5 ticks a second";

  LoseRound();
  EXPECT_FALSE(controller_.ticking()) << "nothing wakes the program while nothing moves";
  const std::int16_t stopped = form1().tickcount;
  QTest::qWait(100);
  EXPECT_EQ(form1().tickcount, stopped);
}

TEST_F(GameWindow, TheSpacebarReachesTheGameOnlyWhenNoButtonHasTheFocus) {
  LoseRound();
  form1().freezeready = kTrue;
  game()->cmdsubmit()->setFocus();
  // The button ignores a repeated space, and Qt passes the key on to the window.
  QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, u" "_s, true);
  QCoreApplication::sendEvent(game()->cmdsubmit(), &repeat);
  EXPECT_TRUE(IsTrue(form1().freezeready));

  Click(game()->cmdreset());
  EXPECT_EQ(game()->focusWidget(), game()) << "in play the window itself takes the keys";
  form1().freezeready = kTrue;
  QTest::keyClick(game(), Qt::Key_Space);
  EXPECT_TRUE(IsTrue(form1().frozen));
}

// P pauses and resumes; minimising the window pauses it too, until P. While paused nothing in
// the round moves, the square included, and a notice says how to play on.
TEST_F(GameWindow, APausedRoundStandsStillUntilP) {
  const auto press = [this](Qt::Key key) { QTest::keyClick(game()->windowHandle(), key); };
  const QPoint panelEdge(300, 240);
  ASSERT_TRUE(controller_.ticking());
  press(Qt::Key_P);
  EXPECT_FALSE(controller_.ticking());
  EXPECT_EQ(Picture(*game()).pixel(panelEdge), kBlack) << "the notice";
  const Shape square = form1().shpgreen;
  MovePointer({100, 300});
  EXPECT_EQ(form1().shpgreen.left, square.left);
  form1().freezeready = kTrue;
  press(Qt::Key_Space);
  EXPECT_FALSE(IsTrue(form1().frozen)) << "no freeze starts in a pause";
  press(Qt::Key_P);
  EXPECT_TRUE(controller_.ticking());

  game()->showMinimized();
  EXPECT_FALSE(controller_.ticking());
  game()->showNormal();
  EXPECT_FALSE(controller_.ticking()) << "back on screen, the round waits for the player";
  const std::int16_t ticks = form1().tickcount;
  QTest::qWait(100);
  EXPECT_EQ(form1().tickcount, ticks);
  press(Qt::Key_P);
  EXPECT_TRUE(controller_.ticking());
}

}  // namespace
}  // namespace quibbet::testing
