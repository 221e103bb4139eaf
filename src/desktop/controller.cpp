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

Controller::Controller(RandomSource& random, MessageBox& box) : shell_(random, box) {
  // Qt would quit when the last visible window closes, also while the game window is merely
  // hidden or a message box closes over hidden windows. The rules say when the program ends.
  QGuiApplication::setQuitOnLastWindowClosed(false);
  connect(&clock_, &GameClock::ticksDue, this, &Controller::RunTicks);
}

void Controller::Start() {
  shell_.Start();
  Sync();
}

void Controller::RunTicks(int count) {
  for (int i = 0; i < count; ++i) {
    Form1* form = shell_.form1();
    if (form == nullptr || !form->Timer1.enabled) {
      break;
    }
    form->Timer1_Timer();
  }
  Sync();
}

WindowView* Controller::view(Window w) const {
  return screens_[IndexOf(w)].view.get();
}

void Controller::Sync() {
  // Windows leave the screen before others appear, so a new window takes the place of the one
  // it replaces instead of being fitted in beside it.
  std::vector<WindowView*> appearing;
  for (Window w : kAllWindows) {
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
    case Window::kForm2:
      window = CreateForm2View();
      break;
    case Window::kFrmhelp:
      window = CreateFrmhelpView();
      break;
  }
  connect(window.get(), &WindowView::closeBoxClicked, this, CloseBox(w));
  return window;
}

Controller::OwnedView Controller::CreateForm1View() {
  auto window = std::make_unique<Form1View>(*shell_.form1());
  connect(window.get(), &Form1View::pointerMoved, this,
          [this](std::int16_t button, std::int16_t shift, float x, float y) {
            if (Form1* form = shell_.form1()) {
              form->Form_MouseMove(button, shift, x, y);
            }
            Sync();
          });
  connect(window.get(), &Form1View::keyDown, this,
          [this](std::int16_t keyCode, std::int16_t shift) {
            if (Form1* form = shell_.form1()) {
              form->Form_KeyDown(keyCode, shift);
            }
            Sync();
          });
  connect(window.get(), &Form1View::pausedChanged, this, &Controller::Sync);
  connect(window->txtname(), &QLineEdit::textEdited, this, [this](const QString& text) {
    if (Form1* form = shell_.form1()) {
      form->txtname.text = text.toStdString();
    }
    Sync();
  });
  connect(window->cmdreset(), &QPushButton::clicked, this, Form1Click(&Form1::cmdreset_Click));
  connect(window->cmdsubmit(), &QPushButton::clicked, this, Form1Click(&Form1::cmdsubmit_Click));
  connect(window->cmdmain(), &QPushButton::clicked, this, ShellMove(&Shell::cmdmain_Click));
  return OwnedView(window.release());
}

Controller::OwnedView Controller::CreateForm2View() {
  auto window = std::make_unique<Form2View>(*shell_.form2());
  connect(window->cmdplay(), &QPushButton::clicked, this, ShellMove(&Shell::cmdplay_Click));
  connect(window->cmdhowto(), &QPushButton::clicked, this, ShellMove(&Shell::cmdhowto_Click));
  connect(window->cmdabout(), &QPushButton::clicked, this, ShellMove(&Shell::cmdabout_Click));
  connect(window->cmdexit(), &QPushButton::clicked, this, ShellMove(&Shell::cmdexit_Click));
  return OwnedView(window.release());
}

Controller::OwnedView Controller::CreateFrmhelpView() {
  auto window = std::make_unique<FrmhelpView>(*shell_.frmhelp());
  connect(window->Command1(), &QPushButton::clicked, this, ShellMove(&Shell::Command1_Click));
  return OwnedView(window.release());
}

std::function<void()> Controller::ShellMove(void (Shell::*move)()) {
  return [this, move] {
    (shell_.*move)();
    Sync();
  };
}

std::function<void()> Controller::Form1Click(void (Form1::*click)()) {
  return [this, click] {
    if (Form1* form = shell_.form1()) {
      (form->*click)();
    }
    Sync();
  };
}

std::function<void()> Controller::CloseBox(Window w) {
  return [this, w] {
    shell_.CloseBox(w);
    Sync();
  };
}

}  // namespace quibbet
