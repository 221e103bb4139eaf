// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frontend/session.h"

#include <utility>

#include "frontend/window_controls.h"

namespace quibbet {

namespace {

constexpr std::int16_t kEnter = 13;
constexpr std::int16_t kEscape = 27;
constexpr std::int16_t kPause = 'P';
constexpr std::int16_t kMute = 'M';
constexpr std::int16_t kSymbols = 'C';

bool TakesFocus(const ControlView& control) {
  return control.tabIndex >= 0 && control.visible;
}

// Where the focus goes when its control is gone: the name box first, so that a spacebar still
// tapped for a freeze as a round ends types instead of starting the next round; else the first
// control in tab order; else the window itself.
int FirstFocus(const WindowDescription& description) {
  int first = kWindowBody;
  for (int i = 0; i < static_cast<int>(description.controls.size()); ++i) {
    const ControlView& control = description.controls[static_cast<std::size_t>(i)];
    if (!TakesFocus(control)) {
      continue;
    }
    if (control.kind == ControlKind::kTextBox) {
      return i;
    }
    if (first == kWindowBody ||
        control.tabIndex < description.controls[static_cast<std::size_t>(first)].tabIndex) {
      first = i;
    }
  }
  return first;
}

}  // namespace

Session::Session(RandomSource& random, MessageBox& box, HighScoreStore& store,
                 const SteadyClock& clock)
    : shell_(random, box, store), clock_(clock) {
  shell_.Listen(*this);
}

void Session::Start() {
  shell_.Start();
  Settle();
}

void Session::Click(Control control) {
  shell_.Click(control);
  Settle();
}

void Session::Close(Window w) {
  shell_.Close(w);
  Settle();
}

void Session::MovePointer(float x, float y) {
  if (paused_) {
    return;  // the square waits where it is
  }
  shell_.MovePointer(x, y);
  Settle();
}

Session::KeyRoute Session::RouteKey(Window w, std::int16_t code) const {
  const WindowDescription* description = Description(w);
  if (description == nullptr) {
    return {};
  }
  const int focus = description->focus;
  const ControlView* focused =
      focus == kWindowBody ? nullptr : &description->controls[static_cast<std::size_t>(focus)];
  if (code == kEscape && w == Window::kFrmhelp) {
    return {.press = Control::kCommand1, .toGameWindow = false};  // as it would leave a dialog
  }
  if (code == kEnter && focused != nullptr && focused->kind == ControlKind::kTextBox) {
    return {.press = Control::kCmdsubmit, .toGameWindow = false};
  }
  if (code == kEnter && focused != nullptr && focused->button) {
    return {.press = focused->button, .toGameWindow = false};
  }
  return {.press = std::nullopt, .toGameWindow = w == Window::kForm1 && focused == nullptr};
}

bool Session::TakesChoiceKey(Window w, std::int16_t code) const {
  const WindowDescription* description = Description(w);
  const bool attached =
      (code == kMute && sound_ != nullptr) || (code == kSymbols && symbols_ != nullptr);
  if (!attached || description == nullptr) {
    return false;
  }
  const int focus = description->focus;
  return focus == kWindowBody ||
         description->controls[static_cast<std::size_t>(focus)].kind != ControlKind::kTextBox;
}

bool Session::TakesKey(Window w, std::int16_t code) const {
  const KeyRoute route = RouteKey(w, code);
  return route.press || route.toGameWindow || TakesChoiceKey(w, code);
}

std::optional<Control> Session::KeyPresses(Window w, std::int16_t code) const {
  return TakesChoiceKey(w, code) ? std::nullopt : RouteKey(w, code).press;
}

bool Session::PressKey(Window w, std::int16_t code, bool repeat) {
  if (TakesChoiceKey(w, code)) {
    if (!repeat) {
      ToggleChoice(code);
    }
    return true;
  }
  const KeyRoute route = RouteKey(w, code);
  if (route.press) {
    // A held key presses once: a repeat could press the next window's button under it.
    if (!repeat) {
      Click(*route.press);
    }
    return true;
  }
  if (!route.toGameWindow) {
    return false;
  }
  if (steering_.Press(code)) {
    return true;
  }
  if (code == kPause) {
    if (!repeat && RoundInPlay()) {
      paused_ = !paused_;  // held down, P would flicker between paused and playing
      Settle();
    }
  } else if (!paused_) {
    shell_.PressKey(code);
    Settle();
  }
  return true;
}

void Session::ToggleChoice(std::int16_t code) {
  if (code == kMute) {
    sound_->Toggle();
    changes_.choiceNotice = sound_->Notice();
    return;
  }
  symbols_->Toggle();
  changes_.choiceNotice = symbols_->Notice();
  RedescribeAll();
}

void Session::AttachSymbols(Choice& symbols) {
  symbols_ = &symbols;
  RedescribeAll();
}

// Every window's shapes change their look at once.
void Session::RedescribeAll() {
  for (Shown& screen : shown_) {
    screen.stale = true;
  }
  Settle();
}

void Session::ReleaseKey(std::int16_t code) {
  steering_.Release(code);
}

void Session::ReadGamepad(const GamepadState& state) {
  const GamepadKeys::Changes changes = gamepad_.Read(state);
  for (const std::int16_t code : changes.released) {
    ReleaseKey(code);
  }
  for (const std::int16_t code : changes.pressed) {
    if (TakesKey(Window::kForm1, code)) {
      PressKey(Window::kForm1, code, false);
    }
  }
}

void Session::TypeName(std::string_view text) {
  shell_.TypeName(text);
  Settle();
}

void Session::FocusOn(Window w, int index) {
  const WindowDescription* description = Description(w);
  if (description == nullptr || index >= static_cast<int>(description->controls.size())) {
    return;
  }
  const bool takes =
      index == kWindowBody || TakesFocus(description->controls[static_cast<std::size_t>(index)]);
  if (takes) {
    shown(w).description->focus = index;
  }
  Settle();
}

// A hidden round would be lost unseen; back in sight it waits for P, so play never resumes
// before the player is ready.
void Session::SetOutOfSight(bool outOfSight) {
  outOfSight_ = outOfSight;
  if (outOfSight && RoundInPlay()) {
    paused_ = true;
  }
  Settle();
}

// A player who turned to another window is not there to steer.
void Session::LoseKeyboard() {
  steering_.ReleaseAll();
  if (RoundInPlay()) {
    paused_ = true;
  }
  Settle();
}

void Session::TableChanged() {
  shell_.TableChanged();
  shown(Window::kForm1).stale = true;
  Settle();
}

std::int64_t Session::Advance() {
  if (!Ticking()) {
    return 0;
  }
  return RunTicks(pacer_.TicksDue(clock_.Now()));
}

std::int64_t Session::RunTicks(std::int64_t count) {
  std::int64_t ran = 0;
  if (steering_.Steering()) {
    while (ran < count && SteerAndTick()) {
      ++ran;
    }
  } else {
    ran = shell_.RunTicks(count);
  }
  // Ticks move the blocks, which no event tells of.
  shown(Window::kForm1).stale = true;
  Settle();
  return ran;
}

bool Session::SteerAndTick() {
  const Form1* form = shell_.form1();
  if (form == nullptr) {
    return false;
  }
  if (const auto pointer = steering_.Step(*form)) {
    shell_.MovePointer(pointer->x, pointer->y);
  }
  return shell_.RunTicks(1) == 1;
}

bool Session::RoundInPlay() const {
  const Form1* form = shell_.form1();
  return form != nullptr && form->Timer1.enabled;
}

bool Session::Ticking() const {
  return RoundInPlay() && !paused_;
}

const WindowDescription* Session::Description(Window w) const {
  const auto& description = shown_[static_cast<std::size_t>(w)].description;
  return description ? &*description : nullptr;
}

Changes Session::TakeChanges() {
  return std::exchange(changes_, {});
}

void Session::On(const GameEvent& event) {
  if (sound_ != nullptr && !paused_ && !outOfSight_) {
    sound_->Hear(event);
  }
  switch (event.kind) {
    case EventKind::kWindowLoaded:
    case EventKind::kWindowShown:
    case EventKind::kWindowHidden:
    case EventKind::kWindowUnloaded:
      shown(event.window).stale = true;
      change(event.window).state = true;
      break;
    case EventKind::kProgramEnded:
      break;
    default:
      shown(Window::kForm1).stale = true;
      break;
  }
}

void Session::Settle() {
  for (Window w : kAllWindows) {
    SettleWindow(w);
  }
  // Only a round in play can stay paused.
  paused_ = paused_ && RoundInPlay();
  if (auto& game = shown(Window::kForm1).description; game && game->paused != paused_) {
    game->paused = paused_;
    change(Window::kForm1).notice = true;
  }
  // Starting afresh, or resuming, owes no time from before.
  const bool ticking = Ticking();
  if (ticking && !ticking_) {
    pacer_.Restart(clock_.Now());
  }
  ticking_ = ticking;
  if (shell_.Active() != activated_) {
    activated_ = shell_.Active();
    changes_.activate = activated_.has_value();
  }
}

void Session::SettleWindow(Window w) {
  Shown& screen = shown(w);
  if (!std::exchange(screen.stale, false)) {
    return;
  }
  if (shell_.State(w) == WindowState::kUnloaded) {
    screen.description.reset();
    return;
  }
  const bool fresh = !screen.description || screen.generation != shell_.Generation(w);
  if (fresh) {
    screen.description = Describe(shell_, w, SymbolsOn());
    screen.generation = shell_.Generation(w);
    change(w).state = true;
  } else {
    change(w).controls |= Update(*screen.description, shell_, SymbolsOn());
  }
  SettleFocus(w, fresh);
}

void Session::SettleFocus(Window w, bool fresh) {
  const WindowDescription& description = *shown(w).description;
  const int focus = description.focus;
  const bool kept = !fresh && focus != kWindowBody &&
                    TakesFocus(description.controls[static_cast<std::size_t>(focus)]);
  if (!kept) {
    SetFocus(w, FirstFocus(description));
  }
  if (fresh) {
    change(w).focus = true;
  }
}

void Session::SetFocus(Window w, int index) {
  WindowDescription& description = *shown(w).description;
  if (description.focus != index) {
    description.focus = index;
    change(w).focus = true;
  }
}

}  // namespace quibbet
