// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPushButton>
#include <array>
#include <memory>
#include <optional>
#include <utility>

#include "common/game_event.h"
#include "common/message_box.h"
#include "common/random_source.h"
#include "desktop/game_clock.h"
#include "desktop/later_deleter.h"
#include "desktop/window_placement.h"
#include "desktop/window_view.h"
#include "shell/shell.h"

// The desktop program's one owner of the game: every click, close box, pointer movement, key
// and timer tick goes to the rules' input surface, and the events the rules tell back decide
// what on screen changes: a window is created when the rules load it, shown or hidden with them,
// and destroyed when they unload it; a moved square is only repainted.

namespace quibbet {

class Controller final : public QObject, private EventListener {
  Q_OBJECT

 public:
  Controller(RandomSource& random, MessageBox& box, HighScoreStore& store = KeptInMemory());

  // Opens the start-up window.
  void Start();
  // Runs up to count ticks of the game window's timer, stopping when the timer is disabled.
  void RunTicks(int count);

  Shell& shell() { return shell_; }
  // Whether the game's clock is waking the program: only while the game window's timer runs
  // and the player has not paused the round.
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
    bool stale = true;  // its state or its data changed since it was last brought in line
  };

  void On(const GameEvent& event) override;
  // Brings the windows that changed in line with the rules; called after every input.
  void Sync();
  // Hides or destroys the window at once; returns it when it is due to appear.
  WindowView* SyncWindow(Window w);
  // Whether the game's clock should run: a round is on and the player has not paused it.
  bool PlayRuns() const;
  void ActivateNewlyShown();
  OwnedView CreateView(Window w);
  OwnedView CreateForm1View();
  void ConnectClick(QPushButton* button, Control control);

  Shell shell_;
  GameClock clock_;
  WindowPlacement placement_;
  std::array<OnScreen, kAllWindows.size()> screens_;
  std::optional<Window> activated_;
};

}  // namespace quibbet
