// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The square follows the pointer, with at most one correction: bottom, then right, then info bar.

#include "form1_fixture.h"

namespace quibbet::testing {
namespace {

class PlayerControl : public Form1Test {
 protected:
  void Move(float x, float y) { form.Form_MouseMove(x, y); }
  Shape& square() { return form.shpgreen; }
};

TEST_F(PlayerControl, PutsTheTopLeftCornerOnThePointer) {
  Move(2000, 4000);
  EXPECT_EQ(square().left, 2000);
  EXPECT_EQ(square().top, 4000);
  Move(2000.25f, 4000.75f);
  EXPECT_EQ(square().left, 2000.25f);
  EXPECT_EQ(square().top, 4000.75f);
}

TEST_F(PlayerControl, PullsBackFromTheBottomEdge) {
  Move(5000, 8800);
  EXPECT_EQ(square().top, 8640);
  EXPECT_EQ(square().left, 5000);
}

TEST_F(PlayerControl, MakesOnlyOneCorrectionInACorner) {
  Move(10800, 8900);
  EXPECT_EQ(square().top, 8640);
  EXPECT_EQ(square().left, 10800);  // still past the right edge

  Move(10800, 100);
  EXPECT_EQ(square().left, 10560);
  EXPECT_EQ(square().top, 100);  // still over the info bar
}

TEST_F(PlayerControl, KeepsTheSquareBelowTheInfoBar) {
  Move(3000, 100);
  EXPECT_EQ(square().top, 735);
  Move(3000, 735);
  EXPECT_EQ(square().top, 735);
  Move(3000, 736);
  EXPECT_EQ(square().top, 736);
}

TEST_F(PlayerControl, NothingCorrectsTheLeftEdge) {
  Move(-500, 4000);
  EXPECT_EQ(square().left, -500);
}

TEST_F(PlayerControl, ASquareTallerThanThePlayAreaIsPushedIntoTheInfoBar) {
  square().height = 8700;
  Move(1000, 2000);
  EXPECT_EQ(square().top, 315);
  square().height = 9500;
  Move(1000, 2000);
  EXPECT_EQ(square().top, -485);
}

TEST_F(PlayerControl, FollowsThePointerOnTheGameOverScreenToo) {
  form.ShowGameOver();
  Move(4000, 5000);
  EXPECT_FALSE(square().visible);
  form.cmdreset_Click();
  EXPECT_EQ(square().left, 4000);
  EXPECT_EQ(square().top, 5000);
}

}  // namespace
}  // namespace quibbet::testing
