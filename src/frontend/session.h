// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string_view>

#include "common/game_event.h"
#include "frontend/choice.h"
#include "frontend/gamepad_keys.h"
#include "frontend/key_steering.h"
#include "frontend/sound.h"
#include "frontend/window_description.h"
#include "game/tick_pacer.h"
#include "shell/shell.h"

// The program as a player meets it, whatever draws it: the rules, the pace of their timer, and
// everything around them that the player feels. P pauses a round in play, and only that; a
// window out of sight pauses it until P; nothing is made up on resuming. The session says which
// keys reach the game and where the keyboard focus goes, and keeps the description of every
// window that the front end draws.

namespace quibbet {

// The front end's monotonic clock.
class SteadyClock {
 public:
  virtual ~SteadyClock() = default;
  virtual std::chrono::nanoseconds Now() const = 0;
};

// What changed on a window since the front end last looked.
struct WindowChange {
  bool state = false;          // loaded, unloaded, shown, hidden or loaded afresh
  std::uint64_t controls = 0;  // bit i: control i of the description
  bool focus = false;          // the focus goes elsewhere; put it there
  bool notice = false;         // the "Paused" notice came or went
};

struct Changes {
  std::array<WindowChange, kAllWindows.size()> windows{};
  bool activate = false;  // a window was newly shown: bring Active() to the front
  // M turned sound off or on, or C symbols: what to tell the player for a moment; empty if
  // neither.
  std::string_view choiceNotice;
};

class Session final : private EventListener {
 public:
  Session(RandomSource& random, MessageBox& box, HighScoreStore& store, const SteadyClock& clock);

  // Opens the start-up window.
  void Start();

  // What the player does. Each returns once the rules and the description are settled.
  void Click(Control control);
  void Close(Window w);
  // Twips from the top-left corner of the game window's client area.
  void MovePointer(float x, float y);
  // A key pressed on window w, in the game's key codes; repeat: held down. Returns whether the
  // session took it; a key it leaves goes to the focused control as the platform handles it
  // (typing, the spacebar on a button, Tab).
  bool PressKey(Window w, std::int16_t code, bool repeat);
  // Whether PressKey would take the key, for a platform that must know before it runs.
  bool TakesKey(Window w, std::int16_t code) const;
  // A key let go, wherever it was pressed: the arrows steer only while held.
  void ReleaseKey(std::int16_t code);
  // The gamepads' latest state: the keys they press go to the game window, as the keyboard's do
  // when it has the focus.
  void ReadGamepad(const GamepadState& state);
  // The button PressKey would press, for a platform that makes some presses wait.
  std::optional<Control> KeyPresses(Window w, std::int16_t code) const;
  void TypeName(std::string_view text);
  // The player moved the keyboard focus to control index of w, or to the window itself.
  void FocusOn(Window w, int index);
  // The window is minimised or the page hidden (true), or back in sight.
  void SetOutOfSight(bool outOfSight);
  // The game's window or page lost the keyboard: a round in play waits for P, and no key is held.
  void LoseKeyboard();
  // Another copy of the game changed the high-score table.
  void TableChanged();
  // Runs the game ticks due by the clock; returns how many ran.
  std::int64_t Advance();
  // Runs up to count ticks at once, whatever the clock says, and reads the game window afresh:
  // for tests and benchmarks.
  std::int64_t RunTicks(std::int64_t count);

  // Whether the front end should wake for ticks: a round is in play and not paused.
  bool Ticking() const;
  bool Paused() const { return paused_; }
  bool Ended() const { return shell_.Ended(); }
  WindowState State(Window w) const { return shell_.State(w); }
  // Counts the loads of w, so that a front end can tell a window loaded afresh.
  int Generation(Window w) const { return shell_.Generation(w); }
  std::optional<Window> Active() const { return shell_.Active(); }
  // Null while w is not loaded.
  const WindowDescription* Description(Window w) const;
  // What changed since the last call.
  Changes TakeChanges();

  // The effects play through sound from now on, except in a paused round or out of sight; M
  // turns it off and on in any window but in the name box.
  void AttachSound(Sound& sound) { sound_ = &sound; }
  // The shapes carry their kinds' symbols while symbols is on; C turns it off and on where M
  // turns sound.
  void AttachSymbols(Choice& symbols);

  // For a recorder or another listener to attach to the rules.
  Shell& shell() { return shell_; }

 private:
  struct Shown {
    std::optional<WindowDescription> description;
    int generation = 0;
    bool stale = true;
  };

  // What a key pressed on a window does now: a button it presses, or whether it goes to the
  // game window itself (P included) or to the focused control.
  struct KeyRoute {
    std::optional<Control> press;
    bool toGameWindow = false;
  };
  KeyRoute RouteKey(Window w, std::int16_t code) const;
  // Whether the key on w turns sound (M) or symbols (C) off or on rather than typing.
  bool TakesChoiceKey(Window w, std::int16_t code) const;
  void ToggleChoice(std::int16_t code);
  void RedescribeAll();
  bool SymbolsOn() const { return symbols_ != nullptr && symbols_->on(); }

  void On(const GameEvent& event) override;
  // Brings descriptions, focus, pause and pace in line after the rules have run.
  void Settle();
  void SettleWindow(Window w);
  void SettleFocus(Window w, bool fresh);
  void SetFocus(Window w, int index);
  bool RoundInPlay() const;
  // Moves the square as the held keys steer it, then runs one tick; returns whether it ran.
  bool SteerAndTick();
  Shown& shown(Window w) { return shown_[static_cast<std::size_t>(w)]; }
  WindowChange& change(Window w) { return changes_.windows[static_cast<std::size_t>(w)]; }

  Shell shell_;
  const SteadyClock& clock_;
  TickPacer pacer_;
  KeySteering steering_;
  GamepadKeys gamepad_;
  std::array<Shown, kAllWindows.size()> shown_{};
  Changes changes_;
  std::optional<Window> activated_;
  bool paused_ = false;
  bool ticking_ = false;
  bool outOfSight_ = false;
  Sound* sound_ = nullptr;
  Choice* symbols_ = nullptr;
};

}  // namespace quibbet
