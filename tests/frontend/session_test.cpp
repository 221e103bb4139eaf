// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a player feels around the rules, the same in every front end: pause, the keys that reach
// the game, where the keyboard focus goes, and what each window is told to draw, symbols on the
// blocks included.

#include "frontend/session.h"

#include <gtest/gtest.h>

#include <vector>

#include "frontend/kept_settings.h"
#include "test_support.h"

namespace quibbet::testing {
namespace {

using namespace std::chrono_literals;

class FakeClock final : public SteadyClock {
 public:
  std::chrono::nanoseconds Now() const override { return now; }
  std::chrono::nanoseconds now{};
};

class KeysTaken final : public InputLog {
 public:
  void Took(const Input& input) override {
    if (const auto* key = std::get_if<KeyInput>(&input)) {
      codes.push_back(key->code);
    }
  }
  std::vector<std::int16_t> codes;
};

constexpr std::int16_t kEnter = 13;
constexpr std::int16_t kEscape = 27;
constexpr std::int16_t kP = 'P';
constexpr std::int16_t kC = 'C';

class SessionStory : public ::testing::Test {
 protected:
  SessionStory() : session(random, box, KeptInMemory(), clock) {
    session.shell().SetInputLog(&keys);
    session.Start();
  }

  // Runs the clock on by one tick's step at a time until count ticks ran or the round is over.
  std::int64_t Play(int count) {
    std::int64_t ran = 0;
    for (int i = 0; i < count && session.Ticking(); ++i) {
      clock.now += 16ms;
      ran += session.Advance();
    }
    return ran;
  }

  // Waits for the first red block to come into the window and steps onto it.
  void LoseTheRound() {
    const Shape& red = session.shell().form1()->shpother[0];
    while (session.Ticking() && (red.left < 0 || red.top < 1000)) {
      Play(1);
    }
    session.MovePointer(red.left + 100, red.top + 100);
    Play(1);
    ASSERT_FALSE(session.Ticking());
  }

  const WindowDescription& Game() const { return *session.Description(Window::kForm1); }
  std::string FocusedName(Window w) const {
    const WindowDescription& d = *session.Description(w);
    return d.focus == kWindowBody ? "window" : d.controls[static_cast<std::size_t>(d.focus)].name;
  }

  ScriptedRandom random;
  RecordingMessageBox box;
  FakeClock clock;
  KeysTaken keys;
  Session session;
};

TEST_F(SessionStory, AfterClickToPlayAgainTheSpacebarFreezes) {
  EXPECT_EQ(FocusedName(Window::kForm2), "cmdplay");
  session.Click(Control::kCmdplay);
  LoseTheRound();
  // A spacebar still tapped as the round ends types into the name box.
  EXPECT_EQ(FocusedName(Window::kForm1), "txtname");
  EXPECT_FALSE(session.PressKey(Window::kForm1, ' ', false));

  session.Click(Control::kCmdreset);
  EXPECT_EQ(FocusedName(Window::kForm1), "window");
  EXPECT_TRUE(session.TakeChanges().windows[0].focus);
  EXPECT_TRUE(session.PressKey(Window::kForm1, ' ', false));
  EXPECT_EQ(keys.codes, std::vector<std::int16_t>{' '});
}

TEST_F(SessionStory, POnTheMenuDoesNotPauseTheNextRound) {
  EXPECT_FALSE(session.PressKey(Window::kForm2, kP, false));
  session.Click(Control::kCmdplay);
  EXPECT_TRUE(session.Ticking());
  LoseTheRound();
  session.FocusOn(Window::kForm1, *Game().IndexOf("cmdreset"));
  EXPECT_FALSE(session.PressKey(Window::kForm1, kP, false));
  session.Click(Control::kCmdreset);
  EXPECT_TRUE(session.Ticking());
  EXPECT_FALSE(Game().paused);
}

TEST_F(SessionStory, PPausesARoundUntilPAndNothingIsMadeUp) {
  session.Click(Control::kCmdplay);
  Play(10);
  session.TakeChanges();
  EXPECT_TRUE(session.PressKey(Window::kForm1, kP, false));
  EXPECT_TRUE(Game().paused);
  EXPECT_TRUE(session.TakeChanges().windows[0].notice);

  const Shape square = session.shell().form1()->shpgreen;
  session.MovePointer(100, 2000);
  EXPECT_TRUE(session.PressKey(Window::kForm1, ' ', false));
  clock.now += 10s;
  EXPECT_EQ(session.Advance(), 0);
  EXPECT_EQ(session.shell().form1()->shpgreen.left, square.left);
  EXPECT_TRUE(keys.codes.empty());
  // Held down, P does not flicker.
  EXPECT_TRUE(session.PressKey(Window::kForm1, kP, true));
  EXPECT_TRUE(Game().paused);

  session.PressKey(Window::kForm1, kP, false);
  EXPECT_FALSE(Game().paused);
  clock.now += 100ms;
  EXPECT_LE(session.Advance(), 7);
}

TEST_F(SessionStory, ARoundOutOfSightWaitsForP) {
  session.SetOutOfSight(true);  // a hidden menu has no round to pause
  session.SetOutOfSight(false);
  session.Click(Control::kCmdplay);
  EXPECT_TRUE(session.Ticking());

  session.SetOutOfSight(true);
  session.SetOutOfSight(false);
  EXPECT_TRUE(Game().paused);
  EXPECT_FALSE(session.Ticking());
  session.PressKey(Window::kForm1, kP, false);
  EXPECT_TRUE(session.Ticking());
}

TEST_F(SessionStory, LeftHeldOneSecondMovesTheSquareLeftUntilTheFieldsEdge) {
  constexpr std::int16_t kLeft = 37;
  constexpr std::int16_t kDown = 40;
  constexpr std::int16_t kShift = 16;
  session.Click(Control::kCmdplay);
  const Shape& square = session.shell().form1()->shpgreen;
  session.MovePointer(5000, 4000);
  EXPECT_TRUE(session.PressKey(Window::kForm1, kLeft, false));
  Play(16);
  EXPECT_NEAR(square.left, 5000 - 16 * 10935 / 93.75, 1);  // across the field in 1.5 s
  Play(46);
  EXPECT_EQ(square.left, 0);
  EXPECT_EQ(square.top, 4000);

  // Shift steps finely; keys let go of stop the square where it is.
  session.ReleaseKey(kLeft);
  session.PressKey(Window::kForm1, kShift, false);
  session.PressKey(Window::kForm1, 'S', false);
  Play(8);
  EXPECT_NEAR(square.top, 4000 + 8 * 10935 / 93.75 / 4, 1);
  session.ReleaseKey(kShift);
  session.PressKey(Window::kForm1, kDown, true);
  Play(60);
  EXPECT_EQ(square.top + square.height, 9015);  // the bottom of the field
  session.ReleaseKey('S');
  session.ReleaseKey(kDown);
  const float top = square.top;
  Play(5);
  EXPECT_EQ(square.top, top);
  EXPECT_TRUE(keys.codes.empty());  // the rules saw pointer moves only
}

TEST_F(SessionStory, LosingTheKeyboardPausesARoundAndLetsGoOfTheKeys) {
  session.LoseKeyboard();  // at the menu nothing waits
  session.Click(Control::kCmdplay);
  EXPECT_TRUE(session.Ticking());
  session.PressKey(Window::kForm1, 39, false);  // Right
  session.LoseKeyboard();
  EXPECT_TRUE(Game().paused);
  session.PressKey(Window::kForm1, kP, false);
  const float left = session.shell().form1()->shpgreen.left;
  Play(5);
  EXPECT_EQ(session.shell().form1()->shpgreen.left, left);
}

TEST_F(SessionStory, AGamepadStartsPlayOnSteersAndLetsGo) {
  session.Click(Control::kCmdplay);
  session.LoseKeyboard();
  session.ReadGamepad({.buttons = 1U << kPadStart});
  EXPECT_FALSE(Game().paused);
  session.ReadGamepad({.buttons = 1U << kPadStart});  // held: pressed once
  EXPECT_FALSE(Game().paused);
  const Shape& square = session.shell().form1()->shpgreen;
  session.MovePointer(5000, 4000);
  session.ReadGamepad({.y = 0.3F});  // a stick barely off centre stays put
  Play(4);
  EXPECT_EQ(square.top, 4000);
  session.ReadGamepad({.x = 0.9F, .buttons = 1U << kPadUp});
  Play(4);
  EXPECT_GT(square.left, 5000);
  EXPECT_LT(square.top, 4000);
  session.ReadGamepad({});
  const float left = square.left;
  Play(4);
  EXPECT_EQ(square.left, left);
}

TEST_F(SessionStory, EnterPressesOnceAndEscapeLeavesTheHelpWindow) {
  session.Click(Control::kCmdhowto);
  EXPECT_EQ(FocusedName(Window::kFrmhelp), "Command1");
  EXPECT_TRUE(session.PressKey(Window::kFrmhelp, kEscape, false));
  EXPECT_EQ(session.State(Window::kForm2), WindowState::kVisible);

  EXPECT_TRUE(session.PressKey(Window::kForm2, kEnter, false));
  LoseTheRound();
  // Enter in the name box submits on the press; the held key's repeats do not submit again.
  EXPECT_TRUE(session.PressKey(Window::kForm1, kEnter, false));
  EXPECT_TRUE(session.PressKey(Window::kForm1, kEnter, true));
  EXPECT_EQ(box.shown.size(), 1u);
}

TEST_F(SessionStory, InPlayOnlyTheMovingShapesChange) {
  session.Click(Control::kCmdplay);
  const WindowDescription& game = Game();
  EXPECT_EQ(game.controls.size(), 40u);
  EXPECT_EQ(game.controls[0].name, "shpinfo");
  EXPECT_EQ(game.backColor, kWhite);
  session.TakeChanges();
  Play(3);
  const std::uint64_t changed = session.TakeChanges().windows[0].controls;
  const std::uint64_t shapes = (std::uint64_t{1} << 12) - 1;
  EXPECT_NE(changed, 0u);
  EXPECT_EQ(changed & ~shapes, 0u);

  session.MovePointer(3000, 3000);
  EXPECT_EQ(session.TakeChanges().windows[0].controls,
            std::uint64_t{1} << *game.IndexOf("shpgreen"));
}

class SymbolsStory : public SessionStory {
 protected:
  SymbolsStory() {
    session.AttachSymbols(symbols);
    session.Click(Control::kCmdplay);
  }
  Symbol On(Window w, std::string_view name) const {
    const WindowDescription& d = *session.Description(w);
    return d.controls[static_cast<std::size_t>(*d.IndexOf(name))].symbol.symbol;
  }

  KeptSettings settings;
  Choice symbols{settings, kSymbolsChoice};
};

TEST_F(SymbolsStory, CShowsASymbolForEachKindSaysSoAndIsRemembered) {
  EXPECT_EQ(On(Window::kForm1, "shpgreen"), Symbol::kNone) << "off by default";
  session.TakeChanges();
  EXPECT_TRUE(session.TakesKey(Window::kForm1, kC));
  EXPECT_TRUE(session.PressKey(Window::kForm1, kC, false));
  const Changes changes = session.TakeChanges();
  EXPECT_EQ(changes.choiceNotice, "Symbols on");
  EXPECT_EQ(settings.Read("symbols"), true);
  EXPECT_EQ(changes.windows[0].controls, (std::uint64_t{1} << 12) - 2)
      << "the blocks and the square repainted, not the info bar";
  const std::pair<const char*, Symbol> shown[] = {
      {"shpinfo", Symbol::kNone},     {"shpother(0)", Symbol::kCross},
      {"shpother(4)", Symbol::kPlus}, {"shpother(8)", Symbol::kRing},
      {"shpother(9)", Symbol::kBar},  {"shpgreen", Symbol::kDiamond},
  };
  for (const auto& [name, symbol] : shown) {
    EXPECT_EQ(On(Window::kForm1, name), symbol) << name;
  }
  // The symbol goes with the colour: a frozen red block has its own.
  session.shell().form1()->shpother[0].backColor = kFrozen;
  session.RunTicks(1);
  EXPECT_EQ(On(Window::kForm1, "shpother(0)"), Symbol::kSnowflake);

  // Held down, C does not flicker; it never reaches the rules, so no recording holds it.
  session.PressKey(Window::kForm1, kC, true);
  EXPECT_TRUE(symbols.on());
  EXPECT_TRUE(keys.codes.empty());
  // The next run starts as this one left it.
  EXPECT_TRUE(Choice(settings, kSymbolsChoice).on());
  session.PressKey(Window::kForm1, kC, false);
  EXPECT_EQ(session.TakeChanges().choiceNotice, "Symbols off");
  EXPECT_EQ(On(Window::kForm1, "shpgreen"), Symbol::kNone);
}

TEST_F(SymbolsStory, CInTheNameBoxTypesAndOnTheHelpWindowMarksItsSamples) {
  LoseTheRound();
  ASSERT_EQ(FocusedName(Window::kForm1), "txtname");
  EXPECT_FALSE(session.TakesKey(Window::kForm1, kC));
  EXPECT_FALSE(session.PressKey(Window::kForm1, kC, false));
  EXPECT_FALSE(symbols.on());

  session.Click(Control::kCmdmain);
  session.Click(Control::kCmdhowto);
  EXPECT_TRUE(session.PressKey(Window::kFrmhelp, kC, false));
  EXPECT_EQ(On(Window::kFrmhelp, "shpred"), Symbol::kCross);
}

}  // namespace
}  // namespace quibbet::testing
