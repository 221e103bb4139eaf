// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Blocks told apart without colour, the same in every front end: C puts a symbol on each kind
// of block and a mark on the player's square, says so, and is remembered; in the name box it
// types.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frontend/kept_settings.h"
#include "frontend/session.h"
#include "test_support.h"

namespace quibbet::testing {
namespace {

class StillClock final : public SteadyClock {
 public:
  std::chrono::nanoseconds Now() const override { return {}; }
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

constexpr std::int16_t kC = 'C';

class SymbolsStory : public ::testing::Test {
 protected:
  SymbolsStory() : session(random, box, KeptInMemory(), clock) {
    session.shell().SetInputLog(&keys);
    session.AttachSymbols(symbols);
    session.Start();
    session.Click(Control::kCmdplay);
  }

  Symbol On(const std::string& name) const {
    const WindowDescription& game = *session.Description(Window::kForm1);
    return game.controls[static_cast<std::size_t>(*game.IndexOf(name))].symbol.symbol;
  }

  ScriptedRandom random;
  RecordingMessageBox box;
  StillClock clock;
  KeysTaken keys;
  KeptSettings settings;
  Choice symbols{settings, kSymbolsChoice};
  Session session;
};

TEST_F(SymbolsStory, CShowsSymbolsByKindAndIsRemembered) {
  EXPECT_FALSE(symbols.on());
  EXPECT_EQ(On("shpother(0)"), Symbol::kNone);
  session.TakeChanges();

  EXPECT_TRUE(session.TakesKey(Window::kForm1, kC));
  EXPECT_TRUE(session.PressKey(Window::kForm1, kC, false));
  const Changes changes = session.TakeChanges();
  EXPECT_EQ(changes.choiceNotice, "Symbols on");
  EXPECT_EQ(settings.Read("symbols"), true);
  const WindowDescription& game = *session.Description(Window::kForm1);
  EXPECT_EQ(changes.windows[static_cast<std::size_t>(Window::kForm1)].controls,
            (std::uint64_t{1} << *game.IndexOf("shpgreen")) * 2 - 2)
      << "every block and the square repainted, not the info bar";
  EXPECT_EQ(On("shpinfo"), Symbol::kNone);
  EXPECT_EQ(On("shpother(0)"), Symbol::kCross);
  EXPECT_EQ(On("shpother(4)"), Symbol::kPlus);
  EXPECT_EQ(On("shpother(8)"), Symbol::kRing);
  EXPECT_EQ(On("shpother(9)"), Symbol::kBar);
  EXPECT_EQ(On("shpgreen"), Symbol::kDiamond);

  // The symbol goes with the colour: a frozen red block has its own.
  session.shell().form1()->shpother[0].backColor = kFrozen;
  session.RunTicks(1);
  EXPECT_EQ(On("shpother(0)"), Symbol::kSnowflake);

  // Held down, C does not flicker; it never reaches the rules, so no recording holds it.
  session.PressKey(Window::kForm1, kC, true);
  EXPECT_TRUE(symbols.on());
  EXPECT_TRUE(keys.codes.empty());

  // The next run starts as this one left it; a player who never chose sees none.
  EXPECT_TRUE(Choice(settings, kSymbolsChoice).on());
  KeptSettings neverChosen;
  EXPECT_FALSE(Choice(neverChosen, kSymbolsChoice).on());

  session.PressKey(Window::kForm1, kC, false);
  EXPECT_EQ(session.TakeChanges().choiceNotice, "Symbols off");
  EXPECT_EQ(On("shpgreen"), Symbol::kNone);
}

TEST_F(SymbolsStory, CInTheNameBoxTypesAndOnTheHelpWindowShowsItsSamples) {
  Form1& form = *session.shell().form1();
  form.shpother[0].backColor = kRed;
  form.shpother[0].left = form.shpgreen.left;
  form.shpother[0].top = form.shpgreen.top;
  session.RunTicks(1);
  ASSERT_EQ(session.Description(Window::kForm1)->focus,
            session.Description(Window::kForm1)->IndexOf("txtname"));
  EXPECT_FALSE(session.TakesKey(Window::kForm1, kC));
  EXPECT_FALSE(session.PressKey(Window::kForm1, kC, false));
  EXPECT_FALSE(symbols.on());

  session.Click(Control::kCmdmain);
  session.Click(Control::kCmdhowto);
  EXPECT_TRUE(session.PressKey(Window::kFrmhelp, kC, false));
  const WindowDescription& help = *session.Description(Window::kFrmhelp);
  EXPECT_EQ(help.controls[static_cast<std::size_t>(*help.IndexOf("shpred"))].symbol.symbol,
            Symbol::kCross);
}

}  // namespace
}  // namespace quibbet::testing
