// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The freeze: armed by the blue block, started by the spacebar, counted down over 250 ticks.

#include "form1_fixture.h"

namespace quibbet::testing {
namespace {

class Freeze : public Form1Test {
 protected:
  Freeze() {
    ParkAllBlocks();
    PlaceSquare(5000, 5000);
    form.freezeready = kTrue;
    form.lblspacebar.visible = true;
    form.shpother[kBlueBlock].visible = false;
  }
  void Space() { form.Form_KeyDown(kSpacebar); }
  void TickUntil(int tick) {
    while (form.tickcount < tick) {
      form.Timer1_Timer();
    }
  }
  bool RedBlocksAre(Colour c) {
    for (int i = 0; i < 4; ++i) {
      if (form.shpother[i].backColor != c) {
        return false;
      }
    }
    return true;
  }
};

TEST_F(Freeze, TheSpacebarStartsAnArmedFreeze) {
  form.tickcount = 900;
  Space();
  EXPECT_EQ(form.tickcount, 0);
  EXPECT_TRUE(IsTrue(form.frozen));
  EXPECT_FALSE(IsTrue(form.freezeready));
  EXPECT_FALSE(form.lblspacebar.visible);
  EXPECT_TRUE(form.shpother[kBlueBlock].visible);
  EXPECT_EQ(form.shpother[kBlueBlock].left, -50000);
}

TEST_F(Freeze, OtherKeysAndAnUnarmedSpacebarChangeNothing) {
  form.tickcount = 77;
  form.Form_KeyDown(13);
  form.Form_KeyDown(65);
  EXPECT_FALSE(IsTrue(form.frozen));
  EXPECT_EQ(form.tickcount, 77);

  form.freezeready = kFalse;
  Space();
  EXPECT_FALSE(IsTrue(form.frozen));
  EXPECT_EQ(form.tickcount, 77);
  EXPECT_TRUE(form.lblspacebar.visible);
}

TEST_F(Freeze, HoldingTheSpacebarStartsOneFreezeOnly) {
  Space();
  form.Timer1_Timer();
  form.Timer1_Timer();
  Space();
  Space();
  EXPECT_EQ(form.tickcount, 2);
}

TEST_F(Freeze, CountsDownOverTwoHundredAndFiftyTicks) {
  Space();
  const Twips parked = form.shpother[0].left;
  TickUntil(1);
  EXPECT_EQ(form.lblcount.caption, "4");
  EXPECT_TRUE(RedBlocksAre(kFrozen));
  EXPECT_EQ(form.shpother[4].backColor, kYellow);
  TickUntil(61);
  EXPECT_EQ(form.lblcount.caption, "4");
  TickUntil(62);
  EXPECT_EQ(form.lblcount.caption, "3");
  TickUntil(124);
  EXPECT_EQ(form.lblcount.caption, "2");
  TickUntil(187);
  EXPECT_EQ(form.lblcount.caption, "1");
  TickUntil(241);
  EXPECT_TRUE(RedBlocksAre(kFrozen));
  TickUntil(242);
  EXPECT_EQ(form.lblcount.caption, "");
  EXPECT_TRUE(RedBlocksAre(kRed));
  TickUntil(249);
  EXPECT_TRUE(IsTrue(form.frozen));
  EXPECT_EQ(form.shpother[0].left, parked);  // nothing moved yet

  // In tick 250 block 0 is still frozen; blocks 1 to 9 already move.
  const Twips block1 = form.shpother[1].left;
  TickUntil(250);
  EXPECT_FALSE(IsTrue(form.frozen));
  EXPECT_EQ(form.shpother[0].left, parked);
  EXPECT_EQ(form.shpother[1].left, block1 + 50);
  TickUntil(251);
  EXPECT_EQ(form.shpother[0].left, parked + 50);
}

TEST_F(Freeze, AFrozenRedBlockIsStillDeadly) {
  Space();
  TickUntil(10);
  form.shpother[2].left = 5100;
  form.shpother[2].top = 5100;
  form.Timer1_Timer();
  EXPECT_FALSE(form.Timer1.enabled);
  EXPECT_EQ(form.lblcount.caption, "");
  // The next round starts unfrozen with every block red again.
  form.cmdreset_Click();
  EXPECT_FALSE(IsTrue(form.frozen));
  EXPECT_TRUE(RedBlocksAre(kRed));
}

TEST_F(Freeze, AYellowBlockCollectedWhileFrozenWaitsAtItsNewPlace) {
  Space();
  TickUntil(5);
  form.shpother[5].left = 5100;
  form.shpother[5].top = 5100;
  random.Queue({0.0f, 0.0f});
  form.Timer1_Timer();
  EXPECT_EQ(form.lblscore.caption, "1");
  EXPECT_EQ(form.shpother[5].left, -10000);
  EXPECT_EQ(form.shpother[5].top, 0);
  form.Timer1_Timer();
  EXPECT_EQ(form.shpother[5].left, -10000);
}

}  // namespace
}  // namespace quibbet::testing
