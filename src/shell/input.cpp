// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The input surface: where each input goes, and when it may go there.

#include <array>

#include "shell/shell.h"

namespace quibbet {

namespace {

template <typename Form>
const Form* FormOn(const Shell& shell);
template <>
const Form1* FormOn<Form1>(const Shell& shell) {
  return shell.form1();
}
template <>
const Form2* FormOn<Form2>(const Shell& shell) {
  return shell.form2();
}
template <>
const Frmhelp* FormOn<Frmhelp>(const Shell& shell) {
  return shell.frmhelp();
}

template <typename Form, Button Form::*button>
const Button* ButtonOn(const Shell& shell) {
  return &(FormOn<Form>(shell)->*button);
}

// In the order of Control. A button is looked up only once its window is known to be visible.
constexpr std::array kButtons = {
    ButtonOn<Form2, &Form2::cmdplay>,      ButtonOn<Form2, &Form2::cmdhowto>,
    ButtonOn<Form2, &Form2::cmdabout>,     ButtonOn<Form2, &Form2::cmdexit>,
    ButtonOn<Frmhelp, &Frmhelp::Command1>, ButtonOn<Form1, &Form1::cmdreset>,
    ButtonOn<Form1, &Form1::cmdsubmit>,    ButtonOn<Form1, &Form1::cmdmain>,
};

}  // namespace

InputResult Shell::CheckVisible(Window w) const {
  if (ended_) {
    return InputResult::kProgramEnded;
  }
  return State(w) == WindowState::kVisible ? InputResult::kDone : InputResult::kWindowNotVisible;
}

InputResult Shell::Took(InputResult result, const Input& input) {
  if (result == InputResult::kDone && log_ != nullptr) {
    log_->Took(input);
  }
  return result;
}

InputResult Shell::Click(Control control) {
  InputResult result = CheckVisible(WindowOf(control));
  if (result == InputResult::kDone &&
      !kButtons[static_cast<std::size_t>(control)](*this)->visible) {
    result = InputResult::kControlNotShown;
  }
  if (result == InputResult::kDone) {
    RunClick(control);
  }
  return Took(result, ClickInput{control});
}

InputResult Shell::Close(Window w) {
  const InputResult result = CheckVisible(w);
  if (result == InputResult::kDone) {
    CloseBox(w);
  }
  return Took(result, CloseInput{w});
}

InputResult Shell::MovePointer(float x, float y) {
  const InputResult result = CheckVisible(Window::kForm1);
  if (result == InputResult::kDone) {
    form1_->Form_MouseMove(x, y);
  }
  return Took(result, PointerInput{x, y});
}

InputResult Shell::PressKey(std::int16_t keyCode) {
  const InputResult result = CheckVisible(Window::kForm1);
  if (result == InputResult::kDone) {
    form1_->Form_KeyDown(keyCode);
  }
  return Took(result, KeyInput{keyCode});
}

InputResult Shell::TypeName(std::string_view text) {
  InputResult result = CheckVisible(Window::kForm1);
  if (result == InputResult::kDone && !form1_->txtname.visible) {
    result = InputResult::kControlNotShown;
  }
  if (result == InputResult::kDone) {
    form1_->txtname.text = std::string(text);
  }
  return Took(result, TextInput{std::string(text)});
}

// Once a tick is not delivered no later one is: only an input can restart the timer.
std::int64_t Shell::RunTicks(std::int64_t count) {
  std::int64_t ran = 0;
  for (; ran < count && form1_ && form1_->Timer1.enabled; ++ran) {
    form1_->Timer1_Timer();
  }
  if (ran > 0) {
    Took(InputResult::kDone, TickInput{ran});
  }
  return ran;
}

InputResult Shell::Take(const Input& input) {
  struct Visitor {
    Shell& shell;
    InputResult operator()(const ClickInput& in) { return shell.Click(in.control); }
    InputResult operator()(const CloseInput& in) { return shell.Close(in.window); }
    InputResult operator()(const PointerInput& in) { return shell.MovePointer(in.x, in.y); }
    InputResult operator()(const KeyInput& in) { return shell.PressKey(in.code); }
    InputResult operator()(const TextInput& in) { return shell.TypeName(in.text); }
    InputResult operator()(const TickInput& in) {
      shell.RunTicks(in.count);
      return shell.ended_ ? InputResult::kProgramEnded : InputResult::kDone;
    }
  };
  return std::visit(Visitor{*this}, input);
}

}  // namespace quibbet
