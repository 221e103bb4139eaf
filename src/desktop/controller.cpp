// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/controller.h"

#include <QApplication>
#include <algorithm>
#include <vector>

#include "desktop/form1_view.h"
#include "desktop/form2_view.h"
#include "desktop/frmhelp_view.h"
#include "desktop/zoom_steps.h"

namespace quibbet {

namespace {

std::size_t IndexOf(Window w) {
  return static_cast<std::size_t>(w);
}

template <typename View>
std::unique_ptr<WindowView, LaterDeleter> Make(Session& session) {
  return std::unique_ptr<WindowView, LaterDeleter>(std::make_unique<View>(session).release());
}

}  // namespace

Controller::Controller(RandomSource& random, MessageBox& box, HighScoreStore& store,
                       ZoomSetting* zoom)
    : session_(random, box, store, clock_),
      zoomSetting_(zoom),
      zoom_(KeptZoom(zoom != nullptr ? zoom->Read() : std::nullopt)) {
  // Qt would quit when the last visible window closes, also while the game window is merely
  // hidden or a message box closes over hidden windows. The rules say when the program ends.
  QGuiApplication::setQuitOnLastWindowClosed(false);
  connect(&clock_, &GameClock::woke, this, [this] {
    session_.Advance();
    Sync();
  });
  connect(qApp, &QApplication::focusChanged, this,
          [this](QWidget* /*old*/, QWidget* now) { FocusMoved(now); });
}

void Controller::Start() {
  session_.Start();
  Sync();
}

void Controller::RunTicks(int count) {
  session_.RunTicks(count);
  Sync();
}

void Controller::ReadGamepad(const GamepadState& state) {
  // A pad in the player's hand while another program has the focus is not meant for the game.
  if (QGuiApplication::applicationState() != Qt::ApplicationActive) {
    return;
  }
  session_.ReadGamepad(state);
  Sync();
}

WindowView* Controller::view(Window w) const {
  return screens_[IndexOf(w)].view.get();
}

void Controller::Sync() {
  syncing_ = true;
  const Changes changes = session_.TakeChanges();
  // Windows leave the screen before others appear, so a new window takes the place of the one
  // it replaces instead of being fitted in beside it.
  std::vector<Window> appearing;
  for (Window w : kAllWindows) {
    if (SyncWindow(w, changes.windows[IndexOf(w)]) != nullptr) {
      appearing.push_back(w);
    }
  }
  for (Window w : appearing) {
    Show(screens_[IndexOf(w)]);
  }
  clock_.SetRunning(session_.Ticking());
  // Only a window newly shown is activated, so ticks and pointer movements never take the
  // focus from another program.
  if (WindowView* window = changes.activate ? view(*session_.Active()) : nullptr) {
    window->activateWindow();
  }
  if (WindowView* window =
          !changes.choiceNotice.empty() && session_.Active() ? view(*session_.Active()) : nullptr) {
    choiceNotice_.Show(*window, window->map().scale(), changes.choiceNotice);
  }
  syncing_ = false;
  if (session_.Ended()) {
    emit finished();
  }
}

WindowView* Controller::SyncWindow(Window w, const WindowChange& change) {
  OnScreen& screen = screens_[IndexOf(w)];
  const WindowState state = session_.State(w);
  if (!change.state) {
    if (screen.view) {
      screen.view->Refresh(change);
    }
    return nullptr;
  }
  const bool sameWindow = state != WindowState::kUnloaded && screen.view &&
                          screen.generation == session_.shell().Generation(w);
  if (screen.view && screen.view->isVisible() && !(sameWindow && state == WindowState::kVisible)) {
    placement_.Leaving(*screen.view);
  }
  if (state == WindowState::kUnloaded) {
    screen.view.reset();
    return nullptr;
  }
  if (!sameWindow) {
    screen.view = CreateView(w);
    screen.generation = session_.shell().Generation(w);
    screen.fitted = false;
  }
  screen.view->Refresh(change);
  if (state != WindowState::kVisible) {
    screen.view->hide();
    return nullptr;
  }
  return screen.view->isVisible() ? nullptr : screen.view.get();
}

Controller::OwnedView Controller::CreateView(Window w) {
  OwnedView window;
  switch (w) {
    case Window::kForm1:
      window = Make<Form1View>(session_);
      break;
    case Window::kForm2:
      window = Make<Form2View>(session_);
      break;
    case Window::kFrmhelp:
      window = Make<FrmhelpView>(session_);
      break;
  }
  connect(window.get(), &WindowView::inputTaken, this, &Controller::Sync);
  connect(window.get(), &WindowView::zoomChosen, this, &Controller::Zoom);
  window->SetScale(zoom_ / 100.0);
  return window;
}

// Fitted as it appears, once the window it replaces has left: that one's frame is the frame
// this one gets.
void Controller::Show(OnScreen& screen) {
  WindowView& window = *screen.view;
  if (!screen.fitted) {
    window.SetScale(std::min(window.scale(), window.ScaleToFit(placement_.Room())));
    screen.fitted = true;
  }
  placement_.Show(window);
}

void Controller::Zoom(int percent) {
  zoom_ = percent;
  for (OnScreen& screen : screens_) {
    if (screen.view) {
      screen.view->SetScale(zoom_ / 100.0);
    }
  }
  if (zoomSetting_ != nullptr) {
    zoomSetting_->Write(zoom_);
  }
}

void Controller::FocusMoved(QWidget* now) {
  auto* window = now != nullptr ? qobject_cast<WindowView*>(now->window()) : nullptr;
  if (syncing_ || window == nullptr) {
    return;
  }
  if (const std::optional<int> index = window->IndexOf(now)) {
    session_.FocusOn(window->window(), *index);
    Sync();
  }
}

}  // namespace quibbet
