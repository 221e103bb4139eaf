#pragma once

#include <QObject>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "common/message_box.h"
#include "common/random_source.h"
#include "desktop/game_clock.h"
#include "desktop/later_deleter.h"
#include "desktop/window_placement.h"
#include "desktop/window_view.h"
#include "shell/shell.h"

// The desktop program's one owner of the game: every click, close box, pointer movement, key
// and timer tick goes to the rules' handler, and afterwards the windows on screen are brought
// in line with what the rules hold: a window is created when the rules load it, shown or hidden
// with them, and destroyed when they unload it.

namespace quibbet {

class Controller final : public QObject {
  Q_OBJECT

 public:
  Controller(RandomSource& random, MessageBox& box);

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
  };

  // Brings every window in line with the rules; called after every event.
  void Sync();
  // Hides or destroys the window at once; returns it when it is due to appear.
  WindowView* SyncWindow(Window w);
  // Whether the game's clock should run: a round is on and the player has not paused it.
  bool PlayRuns() const;
  void ActivateNewlyShown();
  OwnedView CreateView(Window w);
  OwnedView CreateForm1View();
  OwnedView CreateForm2View();
  OwnedView CreateFrmhelpView();
  // A handler that runs a move of the shell, then brings the windows in line.
  std::function<void()> ShellMove(void (Shell::*move)());
  // The same for a button handler of the game window.
  std::function<void()> Form1Click(void (Form1::*click)());
  // The same for the close box of window w.
  std::function<void()> CloseBox(Window w);

  Shell shell_;
  GameClock clock_;
  WindowPlacement placement_;
  std::array<OnScreen, kAllWindows.size()> screens_;
  std::optional<Window> activated_;
};

}  // namespace quibbet
