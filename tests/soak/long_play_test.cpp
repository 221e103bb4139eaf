// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Play that outlasts the 16-bit counters: tickcount and the best score stop at 32767, the score
// label counts on, and the game keeps running.

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "form1_fixture.h"

namespace quibbet::testing {
namespace {

constexpr int kLimit = 32767;
constexpr int kYellowBlock = 4;

class LongPlay : public Form1Test {
 protected:
  LongPlay() {
    // Beyond the window's top-right corner only the right edge is corrected, so the square stays
    // above the window, where no block ever reaches: the round lasts as long as the test wants.
    form.Form_MouseMove(20000, -5000);
  }

  // Puts a block on the square, where the next tick's collision test finds it.
  void DropOnSquare(int index) {
    form.shpother[index].left = form.shpgreen.left;
    form.shpother[index].top = form.shpgreen.top;
  }
};

TEST_F(LongPlay, TickcountStopsAtItsLimitUntilAFreezeRestartsItsCountdown) {
  for (int tick = 1; tick <= kLimit + 1000; ++tick) {
    form.Timer1_Timer();
    ASSERT_EQ(form.tickcount, std::min(tick, kLimit)) << "tick " << tick;
    ASSERT_TRUE(form.Timer1.enabled) << "tick " << tick;
  }
  std::array<Twips, kBlockCount> lefts{};
  std::transform(form.shpother.begin(), form.shpother.end(), lefts.begin(),
                 [](const Shape& block) { return block.left; });
  form.Timer1_Timer();
  for (int i = 0; i < kBlockCount; ++i) {
    EXPECT_NE(form.shpother[i].left, lefts[i]) << "block " << i << " stopped moving";
  }

  DropOnSquare(kBlueBlock);
  form.Timer1_Timer();
  ASSERT_TRUE(IsTrue(form.freezeready));
  EXPECT_EQ(form.tickcount, kLimit);
  form.Form_KeyDown(kSpacebar);
  EXPECT_EQ(form.tickcount, 0);

  std::vector<std::pair<int, std::string>> countdown;
  for (int tick = 1; tick <= kFreezeTicks; ++tick) {
    ASSERT_TRUE(IsTrue(form.frozen)) << "the freeze ended before tick " << tick;
    form.Timer1_Timer();
    if (countdown.empty() || countdown.back().second != form.lblcount.caption) {
      countdown.emplace_back(tick, form.lblcount.caption);
    }
  }
  EXPECT_FALSE(IsTrue(form.frozen));
  const std::vector<std::pair<int, std::string>> expected = {
      {1, "4"}, {62, "3"}, {124, "2"}, {187, "1"}, {242, ""}};
  EXPECT_EQ(countdown, expected);
  form.Timer1_Timer();
  EXPECT_EQ(form.tickcount, kFreezeTicks + 1);
}

TEST_F(LongPlay, BestScoreStopsAtItsLimitWhileTheScoreCountsOn) {
  form.lblscore.caption = "32760";
  for (int score = 32761; score <= 32780; ++score) {
    DropOnSquare(kYellowBlock);
    form.Timer1_Timer();
    ASSERT_EQ(form.lblscore.caption, std::to_string(score));
    // The best score takes the score the tick began with.
    const int best = std::min(score - 1, kLimit);
    ASSERT_EQ(form.bestscore, best);
    ASSERT_EQ(form.lblhigh.caption, std::to_string(best));
  }
  ASSERT_TRUE(form.Timer1.enabled);

  DropOnSquare(0);  // a red block ends the round
  form.Timer1_Timer();
  ASSERT_FALSE(form.Timer1.enabled);
  EXPECT_EQ(form.lblcurrentscore.caption, "32780");
  form.txtname.text = "Marathon";
  form.cmdsubmit_Click();
  EXPECT_EQ(form.table.lbluserscore[0].caption, "32780");
  EXPECT_EQ(form.table.lblhighname[0].caption, "Marathon");
  EXPECT_TRUE(box.shown.empty());

  form.cmdreset_Click();
  DropOnSquare(kYellowBlock);
  form.Timer1_Timer();
  EXPECT_EQ(form.lblscore.caption, "1");
  EXPECT_EQ(form.bestscore, kLimit);
  EXPECT_EQ(form.lblhigh.caption, "32767");
}

}  // namespace
}  // namespace quibbet::testing
