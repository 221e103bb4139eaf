// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/controller.h"

#include <QGuiApplication>
#include <vector>

#include "desktop/form1_view.h"
#include "desktop/form2_view.h"
#include "desktop/frmhelp_view.h"

namespace quibbet {

namespace {

std::size_t IndexOf(Window w) {
  return static_cast<std::size_t>(w);
}

}  // namespace

Controller::Controller(RandomSource& random, MessageBox& box, HighScoreStore& store)
    : shell_(random, box, store) {
  // Qt would quit when the last visible window closes, also while the game window is merely
  // hidden or a message box closes over hidden windows. The rules say when the program ends.
  QGuiApplication::setQuitOnLastWindowClosed(false);
  shell_.Listen(*this);
  connect(&clock_, &GameClock::ticksDue, this, &Controller::RunTicks);
}

void Controller::Start() {
  shell_.Start();
  Sync();
}

// Ticks move the blocks, which no event tells of.
void Controller::RunTicks(int count) {
  if (shell_.RunTicks(count) > 0) {
    screens_[IndexOf(Window::kForm1)].stale = true;
  }
  Sync();
}

WindowView* Controller::view(Window w) const {
  return screens_[IndexOf(w)].view.get();
}

void Controller::On(const GameEvent& event) {
  switch (event.kind) {
    case EventKind::kSquareMoved:
      // Only the painted square changed: no control needs to be brought in line.
      if (auto* game = qobject_cast<Form1View*>(view(Window::kForm1))) {
        game->RepaintSquare();
      }
      break;
    case EventKind::kWindowLoaded:
    case EventKind::kWindowShown:
    case EventKind::kWindowHidden:
    case EventKind::kWindowUnloaded:
      screens_[IndexOf(event.window)].stale = true;
      break;
    case EventKind::kProgramEnded:
      break;
    default:
      screens_[IndexOf(Window::kForm1)].stale = true;
      break;
  }
}

void Controller::Sync() {
  // Windows leave the screen before others appear, so a new window takes the place of the one
  // it replaces instead of being fitted in beside it.
  std::vector<WindowView*> appearing;
  for (Window w : kAllWindows) {
    if (!std::exchange(screens_[IndexOf(w)].stale, false)) {
      continue;
    }
    if (WindowView* window = SyncWindow(w)) {
      appearing.push_back(window);
    }
  }
  for (WindowView* window : appearing) {
    placement_.Show(*window);
  }
  clock_.SetRunning(PlayRuns());
  ActivateNewlyShown();
  if (shell_.Ended()) {
    emit finished();
  }
}

// Pausing is the player's business, not the rules': a paused round simply gets no ticks.
bool Controller::PlayRuns() const {
  const Form1* form = shell_.form1();
  const auto* game = qobject_cast<const Form1View*>(view(Window::kForm1));
  return form != nullptr && form->Timer1.enabled && !(game != nullptr && game->paused());
}

WindowView* Controller::SyncWindow(Window w) {
  OnScreen& screen = screens_[IndexOf(w)];
  const WindowState state = shell_.State(w);
  const bool sameWindow =
      state != WindowState::kUnloaded && screen.view && screen.generation == shell_.Generation(w);
  if (screen.view && screen.view->isVisible() && !(sameWindow && state == WindowState::kVisible)) {
    placement_.Leaving(*screen.view);
  }
  if (state == WindowState::kUnloaded) {
    screen.view.reset();
    return nullptr;
  }
  if (!sameWindow) {
    screen.view = CreateView(w);
    screen.generation = shell_.Generation(w);
  }
  screen.view->Refresh();
  if (state != WindowState::kVisible) {
    screen.view->hide();
    return nullptr;
  }
  return screen.view->isVisible() ? nullptr : screen.view.get();
}

// Only a window newly shown is activated, so ticks and pointer movements never take the
// focus from another program.
void Controller::ActivateNewlyShown() {
  const std::optional<Window> active = shell_.Active();
  if (active == activated_) {
    return;
  }
  activated_ = active;
  if (WindowView* window = active ? view(*active) : nullptr) {
    window->activateWindow();
  }
}

Controller::OwnedView Controller::CreateView(Window w) {
  OwnedView window;
  switch (w) {
    case Window::kForm1:
      window = CreateForm1View();
      break;
    case Window::kForm2: {
      auto menu = std::make_unique<Form2View>(*shell_.form2());
      ConnectClick(menu->cmdplay(), Control::kCmdplay);
      ConnectClick(menu->cmdhowto(), Control::kCmdhowto);
      ConnectClick(menu->cmdabout(), Control::kCmdabout);
      ConnectClick(menu->cmdexit(), Control::kCmdexit);
      window.reset(menu.release());
      break;
    }
    case Window::kFrmhelp: {
      auto help = std::make_unique<FrmhelpView>(*shell_.frmhelp());
      ConnectClick(help->Command1(), Control::kCommand1);
      window.reset(help.release());
      break;
    }
  }
  connect(window.get(), &WindowView::closeBoxClicked, this, [this, w] {
    shell_.Close(w);
    Sync();
  });
  return window;
}

Controller::OwnedView Controller::CreateForm1View() {
  auto window = std::make_unique<Form1View>(*shell_.form1());
  connect(window.get(), &Form1View::pointerMoved, this, [this](float x, float y) {
    shell_.MovePointer(x, y);
    Sync();
  });
  connect(window.get(), &Form1View::keyDown, this, [this](std::int16_t keyCode) {
    shell_.PressKey(keyCode);
    Sync();
  });
  connect(window.get(), &Form1View::pausedChanged, this, &Controller::Sync);
  connect(window->txtname(), &QLineEdit::textEdited, this, [this](const QString& text) {
    shell_.TypeName(text.toStdString());
    Sync();
  });
  ConnectClick(window->cmdreset(), Control::kCmdreset);
  ConnectClick(window->cmdsubmit(), Control::kCmdsubmit);
  ConnectClick(window->cmdmain(), Control::kCmdmain);
  return OwnedView(window.release());
}

void Controller::ConnectClick(QPushButton* button, Control control) {
  connect(button, &QPushButton::clicked, this, [this, control] {
    shell_.Click(control);
    Sync();
  });
}

}  // namespace quibbet
