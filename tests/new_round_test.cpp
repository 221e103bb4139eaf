// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The start of a round and the game-over screen.

#include "form1_fixture.h"

namespace quibbet::testing {
namespace {

using NewRound = Form1Test;

TEST_F(NewRound, DrawsLeftThenTopForEachBlockInIndexOrder) {
  // Blocks 0..8 take two draws each; the magenta block takes none.
  random.Queue({0.0f, 0.0f, std::nextafter(1.0f, 0.0f), std::nextafter(1.0f, 0.0f)});
  const int before = random.taken();
  form.NewRound();
  EXPECT_EQ(random.taken() - before, 18);
  EXPECT_EQ(form.shpother[0].left, -10000);
  EXPECT_EQ(form.shpother[0].top, 9495);  // a draw of exactly 0 gives the outer height
  EXPECT_EQ(form.shpother[1].left, -5615);
  EXPECT_EQ(form.shpother[1].top, 736);
}

TEST_F(NewRound, EveryBlockStartsWhollyLeftOfTheWindow) {
  FixedSeedRandom real;
  Form1 window(real, box);
  for (int round = 0; round < 200; ++round) {
    window.Form_Load();
    for (int i = 0; i < kBlockCount - 1; ++i) {
      const Shape& b = window.shpother[i];
      ASSERT_GE(b.left, -10000);
      ASSERT_LE(b.left + b.width, -5000);
      ASSERT_GE(b.top, 736);
      ASSERT_LE(b.top, 9495);
      ASSERT_TRUE(b.visible);
    }
    ASSERT_EQ(window.shpother[9].left, -100000);
  }
}

TEST_F(NewRound, TheMagentaBlockKeepsItsHeightAndIsHiddenAfterTheFirstRound) {
  EXPECT_TRUE(form.shpother[9].visible);
  EXPECT_EQ(form.shpother[9].top, 7080);
  form.ShowGameOver();
  form.shpother[9].top = 3333;
  form.cmdreset_Click();
  EXPECT_FALSE(form.shpother[9].visible);
  EXPECT_EQ(form.shpother[9].top, 3333);
  EXPECT_EQ(form.shpother[9].left, -100000);
}

TEST_F(NewRound, ResetsThePlayStateButKeepsWhatCarriesOver) {
  form.lblscore.caption = "12";
  form.freezeready = kTrue;
  form.lblspacebar.visible = true;
  form.frozen = kTrue;
  form.lblcount.caption = "3";
  form.shpother[1].backColor = kFrozen;
  form.shpgreen.width = 600;
  form.shpgreen.height = 90;
  form.shpgreen.left = 4321;
  form.txtname.text = "Ann";
  form.submitted = kTrue;
  form.bestscore = 12;
  form.lblhigh.caption = "12";
  form.ShowGameOver();
  form.cmdreset_Click();

  EXPECT_EQ(form.lblscore.caption, "0");
  EXPECT_FALSE(IsTrue(form.freezeready));
  EXPECT_FALSE(IsTrue(form.frozen));
  EXPECT_FALSE(form.lblspacebar.visible);
  EXPECT_EQ(form.lblcount.caption, "");
  EXPECT_EQ(form.shpother[1].backColor, kRed);
  EXPECT_EQ(form.shpgreen.width, 375);
  EXPECT_EQ(form.shpgreen.height, 375);
  EXPECT_EQ(form.shpgreen.left, 4321);
  EXPECT_TRUE(form.shpgreen.visible);
  EXPECT_TRUE(form.Timer1.enabled);
  EXPECT_EQ(form.txtname.text, "Ann");
  EXPECT_TRUE(IsTrue(form.submitted));
  EXPECT_EQ(form.lblhigh.caption, "12");
  EXPECT_TRUE(form.shpother[kBlueBlock].visible);
  for (const auto* c : {&form.lblname, &form.lblcurrentscore, &form.lblalltime}) {
    EXPECT_FALSE(c->visible);
  }
  for (const auto* b : {&form.cmdreset, &form.cmdsubmit, &form.cmdmain}) {
    EXPECT_FALSE(b->visible);
  }
  EXPECT_FALSE(form.txtname.visible);
  EXPECT_FALSE(form.table.lblhighname[0].visible);
}

TEST_F(NewRound, GameOverShowsTheFinalScoreAndTheTable) {
  form.lblscore.caption = "17";
  form.lblcount.caption = "2";
  form.lblspacebar.visible = true;
  form.ShowGameOver();
  EXPECT_EQ(form.lblcurrentscore.caption, "17");
  EXPECT_EQ(form.lblscore.caption, "17");
  EXPECT_EQ(form.lblcount.caption, "");
  EXPECT_FALSE(form.lblspacebar.visible);
  EXPECT_TRUE(form.txtname.visible);
  EXPECT_TRUE(form.cmdmain.visible);
  EXPECT_TRUE(form.cmdsubmit.visible);
  EXPECT_FALSE(form.cmdreset.visible);  // the collision test shows it, not the screen
  for (int row = 0; row < kTableRows; ++row) {
    EXPECT_TRUE(form.table.lbluserscore[row].visible);
  }
  for (const Shape& b : form.shpother) {
    EXPECT_FALSE(b.visible);
  }
  EXPECT_FALSE(form.shpgreen.visible);
}

TEST_F(NewRound, TheWindowOpensWithItsDesignedTexts) {
  EXPECT_EQ(form.lblscore1.caption, "Score");
  EXPECT_EQ(form.lblhigh1.caption, "High Score");
  EXPECT_EQ(form.lblhigh.caption, "0");
  EXPECT_EQ(form.lblspacebar.caption, "Hit Spacebar To Freeze Enemies!");
  EXPECT_EQ(form.cmdreset.caption, "Click To Play Again");
  EXPECT_EQ(form.cmdsubmit.caption, "Submit Score");
  EXPECT_EQ(form.cmdmain.caption, "Go To Main Menu");
  EXPECT_EQ(form.lblalltime.caption, "All Time High Scores");
  EXPECT_EQ(form.lblname.caption, "Enter Name:");
  EXPECT_EQ(form.shpgreen.left, 9720);
  EXPECT_EQ(form.shpgreen.top, 4080);
}

}  // namespace
}  // namespace quibbet::testing
