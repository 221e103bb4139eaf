// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The square against one block: overlap on rounded edges, and what each colour does.

#include "form1_fixture.h"

namespace quibbet::testing {
namespace {

class Collision : public Form1Test {
 protected:
  Collision() {
    ParkAllBlocks();
    PlaceSquare(1000, 1000);
  }
  Shape& yellow() { return form.shpother[4]; }
  Shape& red() { return form.shpother[0]; }
  Shape& blue() { return form.shpother[8]; }
  Shape& magenta() { return form.shpother[9]; }
};

// Square 375 x 375 at (1000, 1000): right edge 1375, bottom edge 1375.
TEST_F(Collision, EdgesThatOnlyTouchDoNotOverlap) {
  struct Case {
    Twips squareSize, touchingLeft, touchingTop, overlappingLeft, overlappingTop;
  };
  for (const Case c : {Case{375, 1375, 1000, 1374, 1000},        // touching the right edge
                       Case{375, 1200, 1375, 1200, 1374},        // touching the bottom edge
                       Case{187.5f, 1188, 1000, 1187, 1000}}) {  // round(1187.5) = 1188
    PlaceSquare(1000, 1000, c.squareSize);
    form.lblscore.caption = "0";
    yellow().left = c.touchingLeft;
    yellow().top = c.touchingTop;
    form.CheckHit(4);
    EXPECT_EQ(form.lblscore.caption, "0") << c.touchingLeft << "," << c.touchingTop;
    yellow().left = c.overlappingLeft;
    yellow().top = c.overlappingTop;
    form.CheckHit(4);
    EXPECT_EQ(form.lblscore.caption, "1") << c.overlappingLeft << "," << c.overlappingTop;
  }
}

TEST_F(Collision, RedAndFrozenBlocksEndTheRound) {
  for (Colour deadly : {kRed, kFrozen}) {
    form.NewRound();
    ParkAllBlocks();
    red().backColor = deadly;
    red().left = 1100;
    red().top = 1100;
    form.CheckHit(0);
    EXPECT_FALSE(form.Timer1.enabled);
    EXPECT_TRUE(form.cmdreset.visible);
    EXPECT_TRUE(form.cmdsubmit.visible);
    EXPECT_FALSE(form.shpgreen.visible);
    red().backColor = kRed;
  }
}

TEST_F(Collision, AYellowBlockScoresGrowsTheSquareAndGoesBackLeft) {
  random.Queue({0.5f, 0.25f});  // Top first, then Left
  yellow().left = 1100;
  yellow().top = 1100;
  form.lblscore.caption = "41";
  form.CheckHit(4);
  EXPECT_EQ(form.lblscore.caption, "42");
  EXPECT_EQ(yellow().top, 4320);    // floor(0.5 * 8641)
  EXPECT_EQ(yellow().left, -7594);  // floor(0.25 * 9626 - 10000) = floor(-7593.5)
  EXPECT_EQ(form.shpgreen.width, 405);
  EXPECT_EQ(form.shpgreen.height, 405);
  EXPECT_EQ(form.shpgreen.left, 1000);  // grows right and down from its corner
}

TEST_F(Collision, TheBlueBlockArmsAFreezeAndReopensTheTable) {
  random.Queue({0.0f});
  form.submitted = kTrue;
  blue().left = 1100;
  blue().top = 1100;
  form.CheckHit(8);
  EXPECT_EQ(blue().left, -100000);
  EXPECT_FALSE(blue().visible);
  EXPECT_TRUE(form.lblspacebar.visible);
  EXPECT_TRUE(IsTrue(form.freezeready));
  EXPECT_FALSE(IsTrue(form.submitted));
}

TEST_F(Collision, AHiddenBlueBlockIsCollectedAgainWhileAFreezeIsArmed) {
  blue().left = 1100;
  blue().top = 1100;
  form.CheckHit(8);
  form.submitted = kTrue;
  blue().left = 1100;
  random.Queue({std::nextafter(1.0f, 0.0f)});
  form.CheckHit(8);
  EXPECT_EQ(blue().left, -50000);
  EXPECT_TRUE(IsTrue(form.freezeready));
  EXPECT_FALSE(IsTrue(form.submitted));
}

TEST_F(Collision, TheMagentaBlockHalvesTheSquare) {
  magenta().left = 1100;
  magenta().top = 1100;
  form.CheckHit(9);
  EXPECT_EQ(form.shpgreen.width, 187.5f);
  EXPECT_EQ(form.shpgreen.height, 187.5f);
  EXPECT_EQ(magenta().left, -75000);
  EXPECT_EQ(form.shpgreen.left, 1000);
}

TEST_F(Collision, AnEmptySquareOverlapsNothingAnyMore) {
  PlaceSquare(1000, 1000, 0.4f);  // right round(1000.4) = 1000 = left
  red().left = 900;
  red().top = 900;
  form.CheckHit(0);
  EXPECT_TRUE(form.Timer1.enabled);
}

TEST_F(Collision, KindIsByColourNotIndex) {
  yellow().backColor = kRed;
  yellow().left = 1100;
  yellow().top = 1100;
  form.CheckHit(4);
  EXPECT_FALSE(form.Timer1.enabled);
}

}  // namespace
}  // namespace quibbet::testing
