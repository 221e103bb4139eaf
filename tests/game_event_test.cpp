// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the program tells its listeners: each situation, the events it gives, in order.

#include <gtest/gtest.h>

#include <vector>

#include "shell/shell.h"
#include "test_support.h"

namespace quibbet::testing {
namespace {

class Heard final : public EventListener {
 public:
  void On(const GameEvent& event) override { events.push_back(event); }
  std::vector<GameEvent> events;
};

// Puts block index on the player's square and runs the tick that tests it.
void Touch(Shell& shell, int index) {
  Form1& form = *shell.form1();
  form.shpother[index].left = form.shpgreen.left;
  form.shpother[index].top = form.shpgreen.top;
  shell.RunTicks(1);
}

void Play(Shell& shell) {
  shell.Click(Control::kCmdplay);
}
void LoseRound(Shell& shell) {
  Play(shell);
  Touch(shell, 0);
}
void Arm(Shell& shell) {
  Play(shell);
  Touch(shell, kBlueBlock);
}
void AtTheMenu(Shell& /*shell*/) {}
void Freeze(Shell& shell) {
  Arm(shell);
  shell.PressKey(kSpacebar);
}

struct Situation {
  const char* name;
  void (*before)(Shell&);
  void (*act)(Shell&);
  std::vector<GameEvent> heard;
};

using K = EventKind;
constexpr Window F1 = Window::kForm1;
constexpr Window F2 = Window::kForm2;
constexpr Window Help = Window::kFrmhelp;

const Situation kSituations[] = {
    {"PlayStartsARoundAndLeavesTheMenu",
     AtTheMenu,
     Play,
     {{K::kWindowLoaded, F1},
      {K::kRoundStarted},
      {K::kWindowShown, F1},
      {K::kWindowHidden, F2},
      {K::kWindowUnloaded, F2}}},
    {"HelpAndBack",
     AtTheMenu,
     [](Shell& s) {
       s.Click(Control::kCmdhowto);
       s.Click(Control::kCommand1);
     },
     {{K::kWindowLoaded, Help},
      {K::kWindowShown, Help},
      {K::kWindowHidden, F2},
      {K::kWindowUnloaded, F2},
      {K::kWindowLoaded, F2},
      {K::kWindowShown, F2},
      {K::kWindowHidden, Help},
      {K::kWindowUnloaded, Help}}},
    {"ThePointerMovesOnlyTheSquare",
     Play,
     [](Shell& s) { s.MovePointer(3000, 3000); },
     {{K::kSquareMoved}}},
    {"AnEmptyTickTellsNothing", Play, [](Shell& s) { s.RunTicks(1); }, {}},
    {"AYellowBlock",
     Play,
     [](Shell& s) { Touch(s, 4); },
     {{.kind = K::kBlockCollected, .block = kYellow}}},
    {"TheMagentaBlock",
     Play,
     [](Shell& s) { Touch(s, 9); },
     {{.kind = K::kBlockCollected, .block = kMagenta}}},
    {"TheBlueBlock",
     Play,
     [](Shell& s) { Touch(s, kBlueBlock); },
     {{.kind = K::kBlockCollected, .block = kBlue}}},
    {"TheSpacebarWithoutAFreezeTellsNothing", Play, [](Shell& s) { s.PressKey(kSpacebar); }, {}},
    {"TheSpacebarStartsAnArmedFreeze",
     Arm,
     [](Shell& s) { s.PressKey(kSpacebar); },
     {{K::kFreezeStarted}}},
    {"TheFreezeEndsOnItsLastTick",
     Freeze,
     [](Shell& s) { s.RunTicks(kFreezeTicks); },
     {{K::kFreezeEnded}}},
    {"ARedBlockLosesTheRound", Play, [](Shell& s) { Touch(s, 0); }, {{K::kRoundLost}}},
    {"AScoreOfNoneIsRefused",
     LoseRound,
     [](Shell& s) { s.Click(Control::kCmdsubmit); },
     {{K::kScoreRefused}}},
    {"AScoreGoesIntoItsRow",
     LoseRound,
     [](Shell& s) {
       s.form1()->table.lbluserscore[4].caption = "0";
       s.Click(Control::kCmdsubmit);
     },
     {{.kind = K::kScoreEntered, .row = 4}}},
    {"PlayAgain", LoseRound, [](Shell& s) { s.Click(Control::kCmdreset); }, {{K::kRoundStarted}}},
    {"BackToTheMenuHidesTheGame",
     LoseRound,
     [](Shell& s) { s.Click(Control::kCmdmain); },
     {{K::kWindowLoaded, F2}, {K::kWindowShown, F2}, {K::kWindowHidden, F1}}},
    {"ClosingTheGameEndsTheProgram",
     Play,
     [](Shell& s) { s.Close(F1); },
     {{K::kWindowHidden, F1}, {K::kWindowUnloaded, F1}, {K::kProgramEnded}}},
};

void PrintTo(const Situation& situation, std::ostream* out) {
  *out << situation.name;
}

class Events : public ::testing::TestWithParam<Situation> {};

TEST_P(Events, AreToldInOrder) {
  const Situation& situation = GetParam();
  ScriptedRandom random;
  RecordingMessageBox box;
  Shell shell(random, box);
  Heard heard;
  shell.Listen(heard);
  shell.Start();
  EXPECT_EQ(heard.events, (std::vector<GameEvent>{{K::kWindowLoaded, F2}, {K::kWindowShown, F2}}));
  situation.before(shell);
  heard.events.clear();
  situation.act(shell);
  EXPECT_EQ(heard.events, situation.heard);
}

INSTANTIATE_TEST_SUITE_P(Situations, Events, ::testing::ValuesIn(kSituations),
                         [](const auto& info) { return std::string(info.param.name); });

// A refusal is told as its box opens, so a listener's sound comes with the box and not after
// the player has closed it.
TEST(EventsHeard, ARefusalBeforeItsBox) {
  class Box final : public MessageBox {
   public:
    explicit Box(const Heard& heard) : heard_(heard) {}
    MsgBoxAnswer Show(std::string_view, std::string_view, MsgBoxStyle) override {
      heardBefore = heard_.events;
      return MsgBoxAnswer::kOk;
    }
    std::vector<GameEvent> heardBefore;

   private:
    const Heard& heard_;
  };
  ScriptedRandom random;
  Heard heard;
  Box box(heard);
  Shell shell(random, box);
  shell.Start();
  LoseRound(shell);
  shell.Listen(heard);
  shell.Click(Control::kCmdsubmit);
  EXPECT_EQ(box.heardBefore, std::vector<GameEvent>{{K::kScoreRefused}});
}

// The rules run the same whether anyone listens: a listener only hears.
TEST(EventsHeard, LeaveTheGameAsItWouldBe) {
  ScriptedRandom quietRandom;
  ScriptedRandom heardRandom;
  RecordingMessageBox box;
  Shell quiet(quietRandom, box);
  Shell listened(heardRandom, box);
  Heard heard;
  listened.Listen(heard);
  for (Shell* shell : {&quiet, &listened}) {
    shell->Start();
    Play(*shell);
    shell->RunTicks(300);
    Touch(*shell, kBlueBlock);
    shell->PressKey(kSpacebar);
    shell->RunTicks(400);
  }
  EXPECT_FALSE(heard.events.empty());
  EXPECT_EQ(quiet.form1()->shpother[0].left, listened.form1()->shpother[0].left);
  EXPECT_EQ(quiet.form1()->tickcount, listened.form1()->tickcount);
  EXPECT_EQ(quietRandom.taken(), heardRandom.taken());
}

}  // namespace
}  // namespace quibbet::testing
