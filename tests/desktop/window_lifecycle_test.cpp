// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A thousand trips through every window leave no more widgets behind than the first: each menu
// and help window is destroyed once left, and the game window stays the same one throughout.
// Run under LeakSanitizer, the same trips show that nothing else is left behind either.

#include <QPointer>
#include <cstdio>
#include <cstdlib>

#include "desktop_fixture.h"

namespace quibbet::testing {
namespace {

// QUIBBET_TRIPS sets the number of trips (1,000 unless set); instrumented builds make fewer.
int Trips() {
  const QByteArray trips = qgetenv("QUIBBET_TRIPS");
  return trips.isEmpty() ? 1000 : std::atoi(trips.constData());
}

struct LiveWidgets {
  qsizetype all;
  qsizetype topLevel;
};

class WindowLifecycle : public DesktopTest {
 protected:
  // What the event loop would do between two clicks of the player: paint, and delete the
  // windows that were left.
  static void Settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  static LiveWidgets Count() {
    Settle();
    return {QApplication::allWidgets().size(), QApplication::topLevelWidgets().size()};
  }

  // Menu, help, menu, game, menu through the buttons' own handlers. The game window shows a
  // round in play the first time and the last round's game-over screen after that; either way
  // a round is played and lost, so that "Go To Main Menu" is shown.
  void Trip() {
    Click(menu()->cmdhowto());
    Settle();
    Click(help()->Command1());
    Settle();
    Click(menu()->cmdplay());
    Settle();
    if (game()->cmdreset()->isVisible()) {
      Click(game()->cmdreset());
    }
    LoseRound();
    Settle();
    Click(game()->cmdmain());
  }
};

TEST_F(WindowLifecycle, TripsThroughEveryWindowLeaveNoWidgetBehind) {
  const int trips = Trips();
  ASSERT_GT(trips, 1);
  // The first trip creates the game window and what Qt keeps for the life of the program.
  Trip();
  const LiveWidgets before = Count();
  const QPointer<Form1View> gameWindow = game();
  for (int trip = 1; trip < trips && !HasFatalFailure(); ++trip) {
    Trip();
  }
  const LiveWidgets after = Count();

  EXPECT_EQ(after.all, before.all);
  EXPECT_EQ(after.topLevel, before.topLevel);
  EXPECT_EQ(after.topLevel, 2) << "the menu on screen and the hidden game window";
  EXPECT_EQ(game(), gameWindow.data()) << "the game window is never recreated";
  EXPECT_TRUE(menu()->isVisible());
  std::printf(
      "%d trips; live widgets %lld (%lld top-level) after the first, %lld (%lld) after the last\n",
      trips, static_cast<long long>(before.all), static_cast<long long>(before.topLevel),
      static_cast<long long>(after.all), static_cast<long long>(after.topLevel));
}

}  // namespace
}  // namespace quibbet::testing
