// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A block's zig-zag between the info bar's lower edge (735) and the bottom edge (9015).

#include "form1_fixture.h"

namespace quibbet::testing {
namespace {

class BlockMovement : public Form1Test {
 protected:
  Shape& red() { return form.shpother[0]; }
  void Going(bool up) {
    form.goingup[0] = ToBoolean(up);
    form.goingdown[0] = ToBoolean(!up);
  }
};

TEST_F(BlockMovement, ABlockThatNeverTurnedTravelsDownAndRight) {
  red().left = 120;
  red().top = 960;
  form.goingup[0] = kFalse;
  form.goingdown[0] = kFalse;
  form.MoveBlock(0);
  EXPECT_EQ(red().left, 170);
  EXPECT_EQ(red().top, 1010);
  EXPECT_FALSE(IsTrue(form.goingdown[0]));  // no turn was made
}

TEST_F(BlockMovement, TurnsUpWhenItsLowerEdgeReachesTheBottomExactly) {
  Going(false);
  red().left = 1000;
  red().top = 8400;  // lower edge 9015
  form.MoveBlock(0);
  EXPECT_EQ(red().top, 8350);
  EXPECT_EQ(red().left, 1050);
  EXPECT_TRUE(IsTrue(form.goingup[0]));
  EXPECT_FALSE(IsTrue(form.goingdown[0]));
}

TEST_F(BlockMovement, OvershootsTheBottomByUpTo49TwipsThenTurns) {
  Going(false);
  red().top = 8399;
  form.MoveBlock(0);
  EXPECT_EQ(red().top, 8449);
  EXPECT_FALSE(IsTrue(form.goingup[0]));
  form.MoveBlock(0);
  EXPECT_EQ(red().top, 8399);
  EXPECT_TRUE(IsTrue(form.goingup[0]));
}

TEST_F(BlockMovement, TurnsDownAtTheInfoBarsLowerEdge) {
  Going(true);
  red().top = 735;
  form.MoveBlock(0);
  EXPECT_EQ(red().top, 785);
  EXPECT_TRUE(IsTrue(form.goingdown[0]));

  Going(true);
  red().top = 736;
  form.MoveBlock(0);
  EXPECT_EQ(red().top, 686);  // into the info bar, turning at the next step
  form.MoveBlock(0);
  EXPECT_EQ(red().top, 736);
  EXPECT_TRUE(IsTrue(form.goingdown[0]));
}

TEST_F(BlockMovement, ABlockAtTheTopOfTheWindowTurnsDown) {
  Going(true);
  red().top = 0;
  form.MoveBlock(0);
  EXPECT_EQ(red().top, 50);
}

TEST_F(BlockMovement, TheBottomTestWinsWhenBothBoundariesAreReached) {
  // Taller than the play area: both edges are beyond their boundaries.
  Going(false);
  red().height = 9000;
  red().top = 100;
  form.MoveBlock(0);
  EXPECT_TRUE(IsTrue(form.goingup[0]));
  EXPECT_EQ(red().top, 50);
}

TEST_F(BlockMovement, LeftOnlyEverGrowsByFifty) {
  red().left = 20000;
  red().top = 4000;
  form.MoveBlock(0);
  EXPECT_EQ(red().left, 20050);
  EXPECT_EQ(red().width, 615);
  EXPECT_EQ(red().height, 615);
}

TEST_F(BlockMovement, TheDirectionCarriesIntoTheNextRound) {
  Going(true);
  red().top = 4000;
  form.ShowGameOver();
  form.cmdreset_Click();
  EXPECT_TRUE(IsTrue(form.goingup[0]));
  const Twips top = red().top;
  form.MoveBlock(0);
  EXPECT_EQ(red().top, top - 50);
}

}  // namespace
}  // namespace quibbet::testing
