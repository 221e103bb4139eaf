// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game heard, the same in every front end: which events sound, when nothing sounds, and M.

#include "frontend/sound.h"

#include <gtest/gtest.h>

#include <optional>
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

class HeardCues final : public SoundPlayer {
 public:
  void Play(Cue cue) override { cues.push_back(cue); }
  void Silence() override { ++silenced; }
  std::vector<Cue> cues;
  int silenced = 0;
};

constexpr std::int16_t kM = 'M';
constexpr std::int16_t kP = 'P';

class SoundStory : public ::testing::Test {
 protected:
  SoundStory() : session(random, box, KeptInMemory(), clock) {
    session.AttachSound(sound);
    session.Start();
    session.Click(Control::kCmdplay);
  }

  // Puts count of the round's yellow blocks onto the player's square.
  void YellowsOnTheSquare(int count) {
    Form1& form = *session.shell().form1();
    for (Shape& block : form.shpother) {
      if (block.backColor == kYellow && count-- > 0) {
        block.left = form.shpgreen.left;
        block.top = form.shpgreen.top;
      }
    }
  }

  ScriptedRandom random;
  RecordingMessageBox box;
  StillClock clock;
  HeardCues heard;
  KeptSettings setting;
  Sound sound{heard, setting};
  Session session;
};

TEST_F(SoundStory, AYellowPickUpSoundsOnceAndTwoInOneTickSoundTwice) {
  YellowsOnTheSquare(1);
  session.RunTicks(1);
  EXPECT_EQ(heard.cues, std::vector<Cue>{Cue::kYellowPickUp});
  session.RunTicks(1);
  EXPECT_EQ(heard.cues.size(), 1u);

  YellowsOnTheSquare(2);
  session.RunTicks(1);
  EXPECT_EQ(heard.cues, std::vector<Cue>(3, Cue::kYellowPickUp));
}

TEST_F(SoundStory, APausedRoundAndOneOutOfSightAreSilent) {
  session.PressKey(Window::kForm1, kP, false);
  YellowsOnTheSquare(1);
  session.RunTicks(1);
  session.PressKey(Window::kForm1, kP, false);
  session.SetOutOfSight(true);
  session.PressKey(Window::kForm1, kP, false);  // the round waits for P, even out of sight
  session.RunTicks(1);
  EXPECT_TRUE(heard.cues.empty());
}

TEST_F(SoundStory, MMutesInAnyWindowAndIsRemembered) {
  EXPECT_TRUE(session.TakesKey(Window::kForm1, kM));
  EXPECT_TRUE(session.PressKey(Window::kForm1, kM, false));
  EXPECT_FALSE(sound.on());
  EXPECT_EQ(session.TakeChanges().choiceNotice, "Sound off");
  EXPECT_EQ(setting.Read("sound"), false);
  EXPECT_EQ(heard.silenced, 1);
  YellowsOnTheSquare(1);
  session.RunTicks(1);
  EXPECT_TRUE(heard.cues.empty());
  // Held down, M does not flicker.
  session.PressKey(Window::kForm1, kM, true);
  EXPECT_FALSE(sound.on());

  // The next run starts as this one left it, and a run told to be silent is so until M.
  HeardCues nextHeard;
  EXPECT_FALSE(Sound(nextHeard, setting).on());
  setting.Write("sound", true);
  Sound muted(nextHeard, setting, true);
  EXPECT_FALSE(muted.on());
  muted.Toggle();
  EXPECT_TRUE(muted.on());
  KeptSettings neverChosen;
  EXPECT_TRUE(Sound(nextHeard, neverChosen).on());
}

TEST_F(SoundStory, MInTheNameBoxTypesAndElsewhereOnTheMenuMutes) {
  Form1& form = *session.shell().form1();
  form.shpother[0].backColor = kRed;
  form.shpother[0].left = form.shpgreen.left;
  form.shpother[0].top = form.shpgreen.top;
  session.RunTicks(1);
  ASSERT_EQ(heard.cues, std::vector<Cue>{Cue::kRoundLost});
  ASSERT_EQ(session.Description(Window::kForm1)->focus,
            session.Description(Window::kForm1)->IndexOf("txtname"));
  EXPECT_FALSE(session.TakesKey(Window::kForm1, kM));
  EXPECT_FALSE(session.PressKey(Window::kForm1, kM, false));
  EXPECT_TRUE(sound.on());

  session.Click(Control::kCmdmain);
  EXPECT_TRUE(session.PressKey(Window::kForm2, kM, false));
  EXPECT_FALSE(sound.on());
}

TEST(SoundCues, EachEventThatSoundsHasItsOwnEffect) {
  const struct {
    GameEvent event;
    std::optional<Cue> cue;
  } cases[] = {
      {{.kind = EventKind::kBlockCollected, .block = kYellow}, Cue::kYellowPickUp},
      {{.kind = EventKind::kBlockCollected, .block = kBlue}, Cue::kBluePickUp},
      {{.kind = EventKind::kBlockCollected, .block = kMagenta}, Cue::kMagentaPickUp},
      {{EventKind::kFreezeStarted}, Cue::kFreezeStarted},
      {{EventKind::kFreezeEnded}, Cue::kFreezeEnded},
      {{EventKind::kRoundLost}, Cue::kRoundLost},
      {{.kind = EventKind::kScoreEntered, .row = 2}, Cue::kScoreEntered},
      {{EventKind::kScoreRefused}, Cue::kScoreRefused},
      {{EventKind::kRoundStarted}, std::nullopt},
      {{EventKind::kSquareMoved}, std::nullopt},
      {{EventKind::kWindowShown, Window::kForm2}, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CueFor(c.event), c.cue) << static_cast<int>(c.event.kind);
  }
}

}  // namespace
}  // namespace quibbet::testing
