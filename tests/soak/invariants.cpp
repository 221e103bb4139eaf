// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "invariants.h"

#include <algorithm>
#include <string_view>

namespace quibbet::soak {

namespace {

// A whole number written in decimal digits, without sign, blank or leading zero.
bool IsDecimalWhole(std::string_view text) {
  if (text.empty() || (text.size() > 1 && text.front() == '0')) {
    return false;
  }
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Read independently of the game's own conversions, so a fault in them cannot hide here.
double DecimalValue(std::string_view digits) {
  double value = 0;
  for (char c : digits) {
    value = value * 10 + (c - '0');
  }
  return value;
}

void Expect(bool holds, std::string_view what, std::vector<std::string>& broken) {
  if (!holds) {
    broken.emplace_back(what);
  }
}

bool IsCountdownText(std::string_view text) {
  return text.empty() || text == "4" || text == "3" || text == "2" || text == "1";
}

bool GameOverControlsShown(const Form1& form, bool shown) {
  const bool controls = form.cmdreset.visible == shown && form.cmdsubmit.visible == shown &&
                        form.cmdmain.visible == shown && form.lblname.visible == shown &&
                        form.txtname.visible == shown && form.lblalltime.visible == shown &&
                        form.lblcurrentscore.visible == shown;
  bool table = true;
  for (int row = 0; row < kTableRows; ++row) {
    table = table && form.table.lblscorenumber[row].visible == shown &&
            form.table.lblhighname[row].visible == shown &&
            form.table.lbluserscore[row].visible == shown;
  }
  return controls && table;
}

// A submission may put one entry, the final score under the typed name, into the table; the
// entries below it move down one row and the last drops out. Nothing else may change.
bool IsOneEntryAdded(const TableRows& before, const TableRows& after,
                     const std::pair<std::string, std::string>& entry) {
  for (int row = 0; row < kTableRows; ++row) {
    const bool above = std::equal(after.begin(), after.begin() + row, before.begin());
    const bool below = std::equal(after.begin() + row + 1, after.end(), before.begin() + row);
    if (after[row] == entry && above && below) {
      return true;
    }
  }
  return false;
}

}  // namespace

TableRows RowsOf(const HighScoreTable& table) {
  TableRows rows;
  for (int row = 0; row < kTableRows; ++row) {
    rows[row] = {table.lbluserscore[row].caption, table.lblhighname[row].caption};
  }
  return rows;
}

WindowSnapshot Snapshot(const Form1& form) {
  WindowSnapshot s;
  s.captions = {form.lblscore.caption, form.lblhigh.caption, form.lblcurrentscore.caption,
                form.lblcount.caption, form.txtname.text};
  for (int row = 0; row < kTableRows; ++row) {
    s.names[row] = form.table.lblhighname[row].caption;
    s.scores[row] = form.table.lbluserscore[row].caption;
  }
  for (int i = 0; i < kBlockCount; ++i) {
    s.positions[2 * i] = form.shpother[i].left;
    s.positions[2 * i + 1] = form.shpother[i].top;
    s.colours[i] = form.shpother[i].backColor;
    s.directions[2 * i] = form.goingdown[i];
    s.directions[2 * i + 1] = form.goingup[i];
  }
  const Shape& square = form.shpgreen;
  std::copy_n(std::array{square.left, square.top, square.width, square.height}.begin(), 4,
              s.positions.end() - 4);
  s.counters = {form.tickcount, form.bestscore};
  s.flags = {form.frozen, form.freezeready, form.submitted};
  s.timerEnabled = form.Timer1.enabled;
  return s;
}

Invariants::Invariants(const Form1& form) {
  for (int i = 0; i < kBlockCount; ++i) {
    widths_[i] = form.shpother[i].width;
    heights_[i] = form.shpother[i].height;
    designColours_[i] = form.shpother[i].backColor;
    lefts_[i] = form.shpother[i].left;
  }
  table_ = RowsOf(form.table);
  score_ = DecimalValue(form.lblscore.caption);
  best_ = DecimalValue(form.lblhigh.caption);
}

std::vector<std::string> Invariants::After(const Shell& shell, const Event& event) {
  Broken broken;
  const Form1* form = shell.form1();
  Expect(!shell.Ended(), "the program ended", broken);
  Expect(form != nullptr && shell.Generation(Window::kForm1) == 1,
         "the game window was unloaded or loaded anew", broken);
  if (form == nullptr) {
    return broken;
  }
  CheckBlocks(*form, event, broken);
  CheckScores(*form, event, broken);
  CheckTable(*form, event, broken);
  CheckScreen(*form, broken);
  CheckFreeze(*form, event, broken);
  CheckHiddenWindow(*form, event, broken);
  return broken;
}

void Invariants::CheckBlocks(const Form1& form, const Event& event, Broken& broken) {
  // A tick that starts and ends frozen may only send blocks back to the left (pick-ups).
  const bool stoodStill = event.action == Action::kTick && wasFrozen_ && IsTrue(form.frozen);
  for (int i = 0; i < kBlockCount; ++i) {
    const Shape& block = form.shpother[i];
    Expect(!(IsTrue(form.goingdown[i]) && IsTrue(form.goingup[i])),
           "a block is travelling up and down at once", broken);
    Expect(block.width == widths_[i] && block.height == heights_[i], "a block changed its size",
           broken);
    // Every unfrozen tick brings back what passed the right edge, and nothing else moves a block
    // to the right, so this holds between any two events, not just after unfrozen ticks.
    Expect(block.backColor == kMagenta || block.left < form.ScaleWidth(),
           "a block stays beyond the right edge", broken);
    const bool redOrFrozen = block.backColor == kRed || block.backColor == kFrozen;
    Expect(designColours_[i] == kRed ? redOrFrozen : block.backColor == designColours_[i],
           "a block changed its kind", broken);
    Expect(block.backColor != kFrozen || IsTrue(form.frozen),
           "a block keeps the frozen colour without a freeze", broken);
    Expect(!stoodStill || block.left <= lefts_[i], "a block moved during a freeze", broken);
    lefts_[i] = block.left;
  }
}

void Invariants::CheckScores(const Form1& form, const Event& event, Broken& broken) {
  const std::string& score = form.lblscore.caption;
  const std::string& high = form.lblhigh.caption;
  Expect(IsDecimalWhole(score), "the score is not a whole number in decimal digits", broken);
  Expect(IsDecimalWhole(high), "the best score is not a whole number in decimal digits", broken);
  if (!IsDecimalWhole(score) || !IsDecimalWhole(high)) {
    return;
  }
  const double value = DecimalValue(score);
  if (event.action == Action::kReset) {
    Expect(value == 0, "a new round does not start from 0", broken);
  } else {
    Expect(value >= score_, "the score went down within a round", broken);
  }
  score_ = value;
  const double best = DecimalValue(high);
  Expect(best >= best_, "the best score went down", broken);
  best_ = best;
}

void Invariants::CheckTable(const Form1& form, const Event& event, Broken& broken) {
  TableRows rows = RowsOf(form.table);
  if (rows != table_) {
    const std::pair entry{form.lblcurrentscore.caption, form.txtname.text};
    Expect(event.action == Action::kSubmit && IsOneEntryAdded(table_, rows, entry),
           "the table lost, doubled or changed an entry", broken);
    table_ = std::move(rows);
  }
  double above = 0;
  for (int row = 0; row < kTableRows; ++row) {
    Expect(form.table.lblscorenumber[row].caption == std::to_string(row + 1) + ".", "a rank moved",
           broken);
    const std::string& score = form.table.lbluserscore[row].caption;
    if (!IsDecimalWhole(score)) {
      broken.emplace_back("a table score is not a whole number in decimal digits");
      return;
    }
    const double value = DecimalValue(score);
    Expect(row == 0 || value <= above, "the table's scores are out of order", broken);
    above = value;
  }
}

void Invariants::CheckScreen(const Form1& form, Broken& broken) {
  const bool playing = form.Timer1.enabled;
  Expect(GameOverControlsShown(form, !playing),
         "the timer does not match the game-over screen being shown", broken);
  Expect(form.shpgreen.visible == playing, "the square is shown on the game-over screen", broken);
  // The tick that ends a round still finishes its pass over the blocks, so a blue pick-up later
  // in that pass may show the hint, and the countdown may be written again, over the game-over
  // screen; neither can show without an armed or running freeze.
  const bool armed = IsTrue(form.freezeready);
  Expect(!form.lblspacebar.visible || armed, "the spacebar hint shows without a freeze", broken);
  Expect(!playing || !armed || form.lblspacebar.visible, "an armed freeze is not shown", broken);
  Expect(!playing || form.shpother[kBlueBlock].visible != armed,
         "the blue block shows while its freeze is armed, or hides while it is not", broken);
  Expect(IsCountdownText(form.lblcount.caption), "the countdown shows something else", broken);
  Expect(form.lblcount.caption.empty() || IsTrue(form.frozen),
         "the countdown shows without a freeze", broken);
  const bool anyBlockShown = std::any_of(form.shpother.begin(), form.shpother.end(),
                                         [](const Shape& block) { return block.visible; });
  Expect(playing || !anyBlockShown, "a block is shown on the game-over screen", broken);
}

// A freeze starts only from an armed spacebar and lasts exactly 250 ticks unless a new round
// cuts it short; while it runs, tickcount counts the ticks since it started.
void Invariants::CheckFreeze(const Form1& form, const Event& event, Broken& broken) {
  const bool frozen = IsTrue(form.frozen);
  const bool spacebar = event.action == Action::kKey && event.key == kSpacebar;
  if (spacebar && wasArmed_) {
    Expect(frozen, "an armed spacebar did not start a freeze", broken);
    ticksSinceFreeze_ = 0;
  } else {
    Expect(!frozen || wasFrozen_, "a freeze started without an armed spacebar", broken);
  }
  if (wasFrozen_ && event.action == Action::kTick) {
    ++ticksSinceFreeze_;
  }
  if (event.action == Action::kReset) {
    Expect(!frozen && !IsTrue(form.freezeready), "a freeze carried over into a new round", broken);
  }
  if (frozen) {
    Expect(ticksSinceFreeze_ < kFreezeTicks, "a freeze outlasted 250 ticks", broken);
    Expect(form.tickcount == ticksSinceFreeze_, "tickcount does not count the freeze", broken);
  } else if (wasFrozen_) {
    const bool ranOut = event.action == Action::kTick && ticksSinceFreeze_ == kFreezeTicks;
    Expect(ranOut || event.action == Action::kReset, "a freeze ended early", broken);
  }
  wasFrozen_ = frozen;
  wasArmed_ = IsTrue(form.freezeready);
}

void Invariants::CheckHiddenWindow(const Form1& form, const Event& event, Broken& broken) {
  if (IsNavigation(event.action)) {
    Expect(gameOverScreen_ && Snapshot(form) == *gameOverScreen_,
           "the shell's buttons changed the game window", broken);
  }
  if (form.Timer1.enabled) {
    gameOverScreen_.reset();
  } else {
    gameOverScreen_ = Snapshot(form);
  }
}

}  // namespace quibbet::soak
