// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "soak_player.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string_view>
#include <vector>

#include "scores/high_score_table.h"

namespace quibbet::soak {

namespace {

// How far ahead the careful player looks: blocks travel 50 twips a tick on each axis, and it
// moves the pointer only every few ticks.
constexpr float kReach = 400;

// The design's magenta block: the only one the tick never brings back, so a jump to the left is
// always a pick-up.
constexpr int kMagentaBlock = 9;

bool Overlap(const Box& a, const Box& b) {
  return std::max(a.left, b.left) < std::min(a.right, b.right) &&
         std::max(a.top, b.top) < std::min(a.bottom, b.bottom);
}

// For the figures only: the invariants judge the score's text.
double ScoreOf(const Form1& form) {
  return std::strtod(form.lblscore.caption.c_str(), nullptr);
}

bool IsDeadly(const Shape& block) {
  return block.backColor == kRed || block.backColor == kFrozen;
}

// Where a deadly block may be within the next few ticks: it moves right and bounces up or down,
// and once past the right edge it comes back anywhere along the left edge. A freeze holds every
// block still, but the player keeps its distance as the freeze runs out.
std::vector<Box> DangerZones(const Form1& form) {
  const bool standingStill = IsTrue(form.frozen) && form.tickcount < kFreezeTicks - 20;
  const float reach = standingStill ? 0 : kReach;
  std::vector<Box> zones;
  for (const Shape& block : form.shpother) {
    if (!IsDeadly(block)) {
      continue;
    }
    zones.push_back({block.left, block.top - reach, block.left + block.width + reach,
                     block.top + block.height + reach});
    if (block.left + block.width + reach >= form.ScaleWidth()) {
      zones.push_back({-block.width, 0, reach, form.ScaleHeight()});
    }
  }
  return zones;
}

bool IsCollectible(const Form1& form, const Shape& block) {
  const bool wanted = block.backColor == kYellow ||
                      (block.backColor == kBlue && !IsTrue(form.freezeready)) ||
                      (block.backColor == kMagenta && form.shpgreen.width >= 1000);
  return wanted && block.visible && block.left >= 0 &&
         block.left + block.width <= form.ScaleWidth();
}

float DistanceSquared(Point a, Point b) {
  return (a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y);
}

// The candidate nearest the goal where the square keeps clear of every danger zone; one at random
// when there is none.
Point NearestSafe(const std::vector<Point>& candidates, Point goal, const std::vector<Box>& danger,
                  const Shape& square) {
  const auto safe = [&](Point p) {
    const Box box{p.x, p.y, p.x + square.width, p.y + square.height};
    return std::none_of(danger.begin(), danger.end(),
                        [&](const Box& zone) { return Overlap(box, zone); });
  };
  Point chosen = candidates.back();
  float nearest = std::numeric_limits<float>::max();
  for (const Point& p : candidates) {
    if (safe(p) && DistanceSquared(p, goal) < nearest) {
      nearest = DistanceSquared(p, goal);
      chosen = p;
    }
  }
  return chosen;
}

// The square's top-left corner that would put its middle on the nearest block worth having.
std::optional<Point> Target(const Form1& form) {
  const Shape& square = form.shpgreen;
  std::optional<Point> best;
  for (const Shape& block : form.shpother) {
    if (!IsCollectible(form, block)) {
      continue;
    }
    const Point p{block.left + (block.width - square.width) / 2,
                  block.top + (block.height - square.height) / 2};
    if (!best || DistanceSquared(p, {square.left, square.top}) <
                     DistanceSquared(*best, {square.left, square.top})) {
      best = p;
    }
  }
  return best;
}

// The spacebar twice, so that it also comes up often while no freeze is armed.
constexpr std::array<std::int16_t, 16> kKeys = {32, 32, 13,  27, 37, 38,  39,    40,
                                                65, 90, 112, 0,  -1, 255, 32767, -32768};

constexpr std::array<std::string_view, 12> kOddNames = {"<b>bold</b>",
                                                        "<img src=x onerror=alert(1)>",
                                                        "&amp;&lt;",
                                                        "Zo\u00eb",
                                                        "\u05e9\u05dc\u05d5\u05dd",
                                                        "e\u0301\u0301\u0301",
                                                        "\U0001F47E",
                                                        "\t\n\r\x01\x7f",
                                                        "%s%n%d",
                                                        "1e5",
                                                        "-7",
                                                        " "};

}  // namespace

MsgBoxAnswer CountingMessageBox::Show(std::string_view text, std::string_view /*title*/,
                                      MsgBoxStyle style) {
  if (text == kRefusalText) {
    ++refusals_;
  }
  return style == MsgBoxStyle::kYesNo ? MsgBoxAnswer::kNo : MsgBoxAnswer::kOk;
}

SoakPlayer::SoakPlayer(Shell& shell, std::uint32_t seed) : shell_(shell), rng_(seed) {}

Event SoakPlayer::Play() {
  const Form1& form = *shell_.form1();
  Event event;
  if (shell_.State(Window::kForm1) != WindowState::kVisible) {
    event = ChooseOnShell();
  } else if (form.Timer1.enabled) {
    event = ChooseInPlay(form);
  } else {
    event = ChooseAtGameOver(form);
  }
  Perform(event);
  return event;
}

Event SoakPlayer::ChooseInPlay(const Form1& form) {
  const double freezeWish = skilled_ ? 0.05 : 0.01;
  if (IsTrue(form.freezeready) && Chance(freezeWish)) {
    return {Action::kKey, kSpacebar};
  }
  if (Chance(0.02)) {
    return {Action::kKey, AnyKey()};
  }
  if (skilled_ && Chance(0.45)) {
    return SteeredMove(form);
  }
  if (!skilled_ && Chance(0.15)) {
    return WildMove(form);
  }
  return {Action::kTick};
}

Event SoakPlayer::ChooseAtGameOver(const Form1& form) {
  const double r = Uniform(0, 1);
  if (r < 0.3) {
    return {Action::kSubmit};
  }
  if (r < 0.65) {
    return {Action::kReset};
  }
  if (r < 0.8) {
    return {Action::kMainMenu};
  }
  return WildMove(form);
}

Event SoakPlayer::ChooseOnShell() {
  if (shell_.State(Window::kFrmhelp) == WindowState::kVisible) {
    return {Action::kBackFromHelp};
  }
  const double r = Uniform(0, 1);
  if (r < 0.7) {
    return {Action::kPlay};
  }
  if (r < 0.85) {
    return {Action::kHowToPlay};
  }
  return {r < 0.95 ? Action::kAbout : Action::kExitAnsweredNo};
}

// Chooses, among a few pointer positions that the window would not correct, the one nearest a
// block worth having (or the square's own place) that keeps clear of every deadly block.
Event SoakPlayer::SteeredMove(const Form1& form) {
  const Shape& square = form.shpgreen;
  const Box area{0, form.shpinfo.top + form.shpinfo.height + 1,
                 form.ScaleWidth() - square.width - 1, form.ScaleHeight() - square.height - 1};
  if (area.right < area.left || area.bottom < area.top) {
    return WildMove(form);  // the square no longer fits below the info bar
  }
  const auto clamp = [&](Point p) {
    return Point{std::clamp(p.x, area.left, area.right), std::clamp(p.y, area.top, area.bottom)};
  };
  const Point here = clamp({square.left, square.top});
  const std::optional<Point> target = Chance(0.6) ? Target(form) : std::nullopt;
  const Point goal = target ? clamp(*target) : here;
  const Point chosen = NearestSafe(Candidates(here, goal, area), goal, DangerZones(form), square);
  return {Action::kPointerMove, 0, chosen.x, chosen.y};
}

// The square's place, the goal, three steps on the way there and a few places anywhere.
std::vector<Point> SoakPlayer::Candidates(Point here, Point goal, const Box& area) {
  std::vector<Point> candidates = {here, goal};
  for (float f : {0.25f, 0.5f, 0.75f}) {
    candidates.push_back({here.x + (goal.x - here.x) * f, here.y + (goal.y - here.y) * f});
  }
  for (int i = 0; i < 6; ++i) {
    candidates.push_back({Uniform(area.left, area.right), Uniform(area.top, area.bottom)});
  }
  return candidates;
}

// Anywhere over the window or a little beyond its edges, as a dragging mouse reports it.
Event SoakPlayer::WildMove(const Form1& form) {
  constexpr float kBeyond = 1500;
  return {Action::kPointerMove, 0, Uniform(-kBeyond, form.ScaleWidth() + kBeyond),
          Uniform(-kBeyond, form.ScaleHeight() + kBeyond)};
}

std::int16_t SoakPlayer::AnyKey() {
  return kKeys[std::uniform_int_distribution<std::size_t>(0, kKeys.size() - 1)(rng_)];
}

// Mostly short words; sometimes markup, other scripts, combining marks, control characters, an
// empty name or a very long one.
std::string SoakPlayer::AnyName() {
  const int kind = std::uniform_int_distribution(0, 49)(rng_);
  if (kind == 0) {
    return std::string(std::uniform_int_distribution(1000, 32767)(rng_), 'W');
  }
  if (static_cast<std::size_t>(kind) <= kOddNames.size()) {
    return std::string(kOddNames[static_cast<std::size_t>(kind - 1)]);
  }
  std::string name(std::uniform_int_distribution(0, 12)(rng_), ' ');
  for (char& c : name) {
    c = static_cast<char>(std::uniform_int_distribution<int>('a', 'z')(rng_));
  }
  return name;
}

void SoakPlayer::Perform(const Event& event) {
  Form1& form = *shell_.form1();
  ++figures_.events;
  switch (event.action) {
    case Action::kTick:
      Tick(form);
      break;
    case Action::kPointerMove:
      shell_.MovePointer(event.x, event.y);
      ++figures_.pointerMoves;
      break;
    case Action::kKey:
      PressKey(form, event.key);
      break;
    case Action::kReset:
      shell_.Click(Control::kCmdreset);
      ++figures_.rounds;
      roundTicks_ = 0;
      skilled_ = Chance(0.75);
      break;
    case Action::kSubmit:
      Submit(form);
      break;
    case Action::kMainMenu:
      shell_.Click(Control::kCmdmain);
      ++figures_.menuVisits;
      break;
    case Action::kPlay:
      shell_.Click(Control::kCmdplay);
      break;
    case Action::kHowToPlay:
      shell_.Click(Control::kCmdhowto);
      ++figures_.helpVisits;
      break;
    case Action::kBackFromHelp:
      shell_.Click(Control::kCommand1);
      break;
    case Action::kAbout:
      shell_.Click(Control::kCmdabout);
      break;
    case Action::kExitAnsweredNo:
      shell_.Click(Control::kCmdexit);
      break;
  }
}

void SoakPlayer::PressKey(Form1& form, std::int16_t key) {
  const bool armed = IsTrue(form.freezeready);
  shell_.PressKey(key);
  ++figures_.keys;
  figures_.freezesStarted += armed && !IsTrue(form.freezeready) ? 1 : 0;
}

// Half the time the name box keeps the name typed last.
void SoakPlayer::Submit(Form1& form) {
  if (Chance(0.5)) {
    shell_.TypeName(AnyName());
  }
  const bool submitted = IsTrue(form.submitted);
  shell_.Click(Control::kCmdsubmit);
  ++figures_.submissions;
  figures_.entries += !submitted && IsTrue(form.submitted) ? 1 : 0;
}

void SoakPlayer::Tick(Form1& form) {
  const double scoreBefore = ScoreOf(form);
  const bool armed = IsTrue(form.freezeready);
  const bool frozen = IsTrue(form.frozen);
  const Twips magentaLeft = form.shpother[kMagentaBlock].left;

  shell_.RunTicks(1);
  ++figures_.ticks;
  ++roundTicks_;

  const double score = ScoreOf(form);
  figures_.yellowPickups += static_cast<std::int64_t>(score - scoreBefore);
  figures_.maxScore = std::max(figures_.maxScore, score);
  figures_.bluePickups += !armed && IsTrue(form.freezeready) ? 1 : 0;
  figures_.magentaPickups += form.shpother[kMagentaBlock].left < magentaLeft ? 1 : 0;
  figures_.freezesRunOut += frozen && !IsTrue(form.frozen) ? 1 : 0;
  figures_.maxTickcount = std::max(figures_.maxTickcount, form.tickcount);
  if (!form.Timer1.enabled) {
    figures_.longestRound = std::max(figures_.longestRound, roundTicks_);
  }
}

}  // namespace quibbet::soak
