// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One tick: count, carry the best score, then test and move each block in index order.

#include "form1_fixture.h"

namespace quibbet::testing {
namespace {

class GameTick : public Form1Test {
 protected:
  GameTick() {
    ParkAllBlocks();
    PlaceSquare(5000, 5000);
  }
};

TEST_F(GameTick, ABlockReachingTheRightEdgeExactlyComesBackOnTheLeft) {
  Shape& red = form.shpother[0];
  red.left = 10935 - 50;
  red.top = 4000;
  form.goingdown[0] = kTrue;
  random.Queue({0.5f});
  form.Timer1_Timer();
  EXPECT_EQ(red.left, -565);  // -615, then one more step
  EXPECT_EQ(red.top, 4200);   // floor(0.5 * 8401)
  EXPECT_TRUE(IsTrue(form.goingdown[0]));

  red.left = 10935 - 51;  // one twip short: stays out of sight until the next tick
  form.Timer1_Timer();
  EXPECT_EQ(red.left, 10934);
  form.Timer1_Timer();
  EXPECT_EQ(red.left, -565);
}

TEST_F(GameTick, TheMagentaBlockIsNeverBroughtBack) {
  Shape& magenta = form.shpother[9];
  magenta.left = 10935 - 50;
  magenta.top = 4000;
  const int draws = random.taken();
  form.Timer1_Timer();
  form.Timer1_Timer();
  EXPECT_EQ(magenta.left, 10985);
  EXPECT_EQ(random.taken(), draws);
}

TEST_F(GameTick, AHiddenBlockMovesAndComesBackLikeAShownOne) {
  Shape& blue = form.shpother[kBlueBlock];
  blue.visible = false;
  blue.left = 10900;
  blue.top = 4000;
  form.Timer1_Timer();
  EXPECT_EQ(blue.left, -205);
}

TEST_F(GameTick, TheBestScoreShowsFromTheNextTickAndNeverDecreases) {
  form.lblscore.caption = "7";
  form.Timer1_Timer();
  EXPECT_EQ(form.bestscore, 7);
  EXPECT_EQ(form.lblhigh.caption, "7");
  form.lblhigh.caption = "marker";
  form.Timer1_Timer();  // equal score: not rewritten
  EXPECT_EQ(form.lblhigh.caption, "marker");
  form.NewRound();
  form.Timer1_Timer();
  EXPECT_EQ(form.bestscore, 7);
  EXPECT_EQ(form.lblhigh.caption, "marker");
}

TEST_F(GameTick, TheRestOfTheTickRunsAfterTheRoundEnds) {
  // Red block 2 ends the round; yellow block 6 later in the same pass is still collected and
  // block 7 still moves.
  form.shpother[2].left = 5100;
  form.shpother[2].top = 5100;
  form.shpother[6].left = 5100;
  form.shpother[6].top = 5100;
  const Twips block7 = form.shpother[7].left;
  form.Timer1_Timer();
  EXPECT_FALSE(form.Timer1.enabled);
  EXPECT_EQ(form.lblscore.caption, "1");
  EXPECT_EQ(form.lblcurrentscore.caption, "0");  // the final score was taken before
  EXPECT_EQ(form.shpgreen.width, 405);
  EXPECT_EQ(form.shpother[7].left, block7 + 50);
}

TEST_F(GameTick, CountersSaturateAndPlayGoesOn) {
  form.tickcount = 32766;
  form.Timer1_Timer();
  form.Timer1_Timer();
  EXPECT_EQ(form.tickcount, 32767);
  form.lblscore.caption = "40000";
  form.Timer1_Timer();
  EXPECT_EQ(form.bestscore, 32767);
  EXPECT_EQ(form.lblhigh.caption, "32767");
  form.shpother[4].left = 5100;
  form.shpother[4].top = 5100;
  form.Timer1_Timer();
  EXPECT_EQ(form.lblscore.caption, "40001");
  EXPECT_EQ(form.lblhigh.caption, "32767");
  // A freeze still resets the count and runs its course.
  form.freezeready = kTrue;
  form.Form_KeyDown(kSpacebar);
  form.Timer1_Timer();
  EXPECT_EQ(form.tickcount, 1);
  EXPECT_EQ(form.lblcount.caption, "4");
}

TEST_F(GameTick, TickcountCarriesOverIntoTheNextRound) {
  form.Timer1_Timer();
  form.Timer1_Timer();
  form.NewRound();
  form.Timer1_Timer();
  EXPECT_EQ(form.tickcount, 3);
}

}  // namespace
}  // namespace quibbet::testing
