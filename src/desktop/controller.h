// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QWidget>
#include <array>
#include <memory>

#include "common/message_box.h"
#include "common/random_source.h"
#include "desktop/choice_notice.h"
#include "desktop/game_clock.h"
#include "desktop/later_deleter.h"
#include "desktop/window_placement.h"
#include "desktop/window_view.h"
#include "desktop/zoom_setting.h"
#include "frontend/session.h"

// The desktop program's one owner of the session: after every input a window took and every
// wake of the clock, the changes the session tells decide what on screen changes: a window is
// created when the rules load it, shown or hidden with them, and destroyed when they unload it.

namespace quibbet {

class Controller final : public QObject {
  Q_OBJECT

 public:
  // Without a zoom setting the player's zoom lasts for the run.
  Controller(RandomSource& random, MessageBox& box, HighScoreStore& store = KeptInMemory(),
             ZoomSetting* zoom = nullptr);

  // Opens the start-up window.
  void Start();
  // Runs count ticks at once, whatever the clock says, for tests and benchmarks.
  void RunTicks(int count);

  // The gamepads' latest state, heard while the game has the focus.
  void ReadGamepad(const GamepadState& state);
  Session& session() { return session_; }
  Shell& shell() { return session_.shell(); }
  // Whether the game's clock is waking the program: only while a round is in play and the
  // player has not paused it.
  bool ticking() const { return clock_.running(); }
  // The window on screen for w; null while the rules have it unloaded.
  WindowView* view(Window w) const;

 signals:
  // The rules have ended the program.
  void finished();

 private:
  using OwnedView = std::unique_ptr<WindowView, LaterDeleter>;
  struct OnScreen {
    OwnedView view;
    int generation = 0;
    bool fitted = false;  // to the screen it first appeared on
  };

  // Brings the windows in line with what the session tells changed.
  void Sync();
  // Hides or destroys the window at once; returns it when it is due to appear.
  WindowView* SyncWindow(Window w, const WindowChange& change);
  OwnedView CreateView(Window w);
  // Shows the window, the first time small enough to fit the screen whole, close box and all.
  void Show(OnScreen& screen);
  // The player moved the keyboard focus.
  void FocusMoved(QWidget* now);
  // Shows every window at the player's new zoom, and keeps it for the next run.
  void Zoom(int percent);

  GameClock clock_;
  Session session_;
  WindowPlacement placement_;
  std::array<OnScreen, kAllWindows.size()> screens_;
  ChoiceNotice choiceNotice_;
  ZoomSetting* zoomSetting_;
  int zoom_;  // percent
  bool syncing_ = false;
};

}  // namespace quibbet
