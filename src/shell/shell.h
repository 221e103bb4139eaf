// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "common/game_event.h"
#include "common/message_box.h"
#include "common/random_source.h"
#include "common/window.h"
#include "game/form1.h"
#include "shell/form2.h"
#include "shell/frmhelp.h"
#include "shell/input.h"

// The program's three windows, the operations that load, show, hide and destroy them, and the
// moves between them. The desktop program mirrors these states; the rules decide them here.
//
// Every front end (the desktop program, the replay driver, a web page, the tests) drives the game
// through the input calls below and nothing else: each checks that the input is possible now,
// runs the handler the window would run, tells the input log what it took, and says why not
// when it took nothing. What happened is told to the listeners as events.

namespace quibbet {

enum class WindowState { kUnloaded, kHidden, kVisible };

class Shell {
 public:
  // The game window keeps its high-score table in store.
  Shell(RandomSource& random, MessageBox& box, HighScoreStore& store = KeptInMemory());

  // The program starts by loading and showing its start-up window, the main menu.
  void Start();

  // The input surface.
  InputResult Click(Control control);
  InputResult Close(Window w);
  InputResult MovePointer(float x, float y);
  InputResult PressKey(std::int16_t keyCode);
  InputResult TypeName(std::string_view text);
  // Delivers up to count ticks of the game window's timer, stopping once it is not running;
  // returns how many ran.
  std::int64_t RunTicks(std::int64_t count);
  InputResult Take(const Input& input);
  // Another copy of the game changed the store's table: the game window shows it as it stands.
  // The player did nothing, so no log hears of it.
  void TableChanged();

  void Listen(EventListener& listener) { events_.Listen(listener); }
  // At most one log; null stops logging.
  void SetInputLog(InputLog* log) { log_ = log; }

  WindowState State(Window w) const;
  bool Ended() const { return ended_; }
  // Counts the loads of a window, so that a view can tell a window created afresh from the one
  // it showed before.
  int Generation(Window w) const { return slot(w).generation; }
  // The window most recently shown, which the view brings to the front.
  std::optional<Window> Active() const { return active_; }

  // Null while the window is not loaded.
  const Form1* form1() const { return form1_ ? &*form1_ : nullptr; }
  const Form2* form2() const { return form2_ ? &*form2_ : nullptr; }
  const Frmhelp* frmhelp() const { return frmhelp_ ? &*frmhelp_ : nullptr; }
  // The game window to write to, for a harness that sets up a position directly (a test's
  // arrangement, a script's stored table row); no front end changes it.
  Form1* form1() { return form1_ ? &*form1_ : nullptr; }

 private:
  struct Slot {
    bool visible = false;
    int generation = 0;
  };

  // The window operations every move is made of.
  void Load(Window w);
  void Show(Window w);
  void SetVisible(Window w, bool visible);
  void Unload(Window w);
  void End();

  // Handlers of the shell's buttons.
  void cmdplay_Click();
  void cmdhowto_Click();
  void cmdabout_Click();
  void cmdexit_Click();
  void Command1_Click();
  void cmdmain_Click();
  void ConfirmExit();
  // Runs the click handler of a shown button on a visible window.
  void RunClick(Control control);

  // The title-bar close box: unloads the window, asking nothing.
  void CloseBox(Window w);

  Slot& slot(Window w) { return slots_[static_cast<std::size_t>(w)]; }
  const Slot& slot(Window w) const { return slots_[static_cast<std::size_t>(w)]; }
  bool Loaded(Window w) const;
  void SetShown(Window w, bool shown);
  void MoveBetween(Window next, Window left);
  // Run after every event: with no window loaded, or only the hidden game window left with
  // nothing the user can act on, the program ends.
  void EndWhenNothingOnScreen();
  InputResult CheckVisible(Window w) const;
  InputResult Took(InputResult result, const Input& input);

  RandomSource& random_;
  MessageBox& box_;
  HighScoreStore& store_;
  EventHub events_;
  InputLog* log_ = nullptr;
  std::optional<Form1> form1_;
  std::optional<Form2> form2_;
  std::optional<Frmhelp> frmhelp_;
  std::array<Slot, kAllWindows.size()> slots_{};
  std::optional<Window> active_;
  bool ended_ = false;
};

}  // namespace quibbet
