// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/shell.h"

namespace quibbet {

Shell::Shell(RandomSource& random, MessageBox& box, HighScoreStore& store)
    : random_(random), box_(box), store_(store) {}

void Shell::Start() {
  Show(Window::kForm2);
}

bool Shell::Loaded(Window w) const {
  switch (w) {
    case Window::kForm1:
      return form1_.has_value();
    case Window::kForm2:
      return form2_.has_value();
    case Window::kFrmhelp:
      return frmhelp_.has_value();
  }
  return false;
}

WindowState Shell::State(Window w) const {
  if (!Loaded(w)) {
    return WindowState::kUnloaded;
  }
  return slot(w).visible ? WindowState::kVisible : WindowState::kHidden;
}

void Shell::Load(Window w) {
  if (ended_ || Loaded(w)) {
    return;  // a loaded window, hidden or shown, is not loaded again
  }
  ++slot(w).generation;
  slot(w).visible = false;
  switch (w) {
    case Window::kForm1:
      form1_.emplace(random_, box_, events_, store_);
      events_.On({EventKind::kWindowLoaded, w});
      form1_->Form_Load();
      return;
    case Window::kForm2:
      form2_.emplace();
      break;
    case Window::kFrmhelp:
      frmhelp_.emplace();
      break;
  }
  events_.On({EventKind::kWindowLoaded, w});
}

void Shell::SetShown(Window w, bool shown) {
  if (slot(w).visible == shown) {
    return;
  }
  slot(w).visible = shown;
  events_.On({shown ? EventKind::kWindowShown : EventKind::kWindowHidden, w});
}

void Shell::Show(Window w) {
  Load(w);
  if (ended_) {
    return;
  }
  SetShown(w, true);
  active_ = w;
}

void Shell::SetVisible(Window w, bool visible) {
  if (visible) {
    Show(w);
    return;
  }
  if (Loaded(w)) {
    SetShown(w, false);
    if (active_ == w) {
      active_.reset();
    }
  }
}

void Shell::Unload(Window w) {
  if (!Loaded(w)) {
    return;
  }
  SetShown(w, false);
  switch (w) {
    case Window::kForm1:
      form1_.reset();
      break;
    case Window::kForm2:
      form2_.reset();
      break;
    case Window::kFrmhelp:
      frmhelp_.reset();
      break;
  }
  if (active_ == w) {
    active_.reset();
  }
  events_.On({EventKind::kWindowUnloaded, w});
}

void Shell::End() {
  if (ended_) {
    return;
  }
  for (Window w : kAllWindows) {
    Unload(w);
  }
  ended_ = true;
  events_.On({EventKind::kProgramEnded});
}

void Shell::EndWhenNothingOnScreen() {
  const bool menuOrHelp = Loaded(Window::kForm2) || Loaded(Window::kFrmhelp);
  if (!ended_ && !menuOrHelp && State(Window::kForm1) != WindowState::kVisible) {
    End();
  }
}

// Shows the next window before the one that raised the click goes, so that a window stays
// loaded throughout the move.
void Shell::MoveBetween(Window next, Window left) {
  Load(next);
  Show(next);
  Unload(left);
  EndWhenNothingOnScreen();
}

void Shell::cmdplay_Click() {
  MoveBetween(Window::kForm1, Window::kForm2);
}

void Shell::cmdhowto_Click() {
  MoveBetween(Window::kFrmhelp, Window::kForm2);
}

void Shell::Command1_Click() {
  MoveBetween(Window::kForm2, Window::kFrmhelp);
}

void Shell::cmdmain_Click() {
  SetVisible(Window::kForm2, true);
  SetVisible(Window::kForm1, false);
}

void Shell::cmdabout_Click() {
  box_.Show(kAboutText, kAboutTitle, MsgBoxStyle::kInformation);
}

void Shell::cmdexit_Click() {
  if (!form2_) {
    return;
  }
  form2_->cmdexit.value = kTrue;
  ConfirmExit();
  if (form2_) {
    form2_->cmdexit.value = kFalse;
  }
}

void Shell::ConfirmExit() {
  const MsgBoxAnswer answer = box_.Show(kQuitText, kQuitTitle, MsgBoxStyle::kYesNo);
  const bool pressed = form2_ && IsTrue(form2_->cmdexit.value);
  if (pressed && answer == MsgBoxAnswer::kYes) {
    End();
  }
}

void Shell::RunClick(Control control) {
  switch (control) {
    case Control::kCmdplay:
      return cmdplay_Click();
    case Control::kCmdhowto:
      return cmdhowto_Click();
    case Control::kCmdabout:
      return cmdabout_Click();
    case Control::kCmdexit:
      return cmdexit_Click();
    case Control::kCommand1:
      return Command1_Click();
    case Control::kCmdreset:
      return form1_->cmdreset_Click();
    case Control::kCmdsubmit:
      return form1_->cmdsubmit_Click();
    case Control::kCmdmain:
      return cmdmain_Click();
  }
}

void Shell::TableChanged() {
  if (form1_) {
    ShowCurrentRows(form1_->table, store_);
  }
}

void Shell::CloseBox(Window w) {
  if (ended_) {
    return;
  }
  Unload(w);
  EndWhenNothingOnScreen();
}

}  // namespace quibbet
