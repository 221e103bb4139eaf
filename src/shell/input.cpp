// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The input surface: where each input goes, and when it may go there.

#include <array>

#include "common/number_text.h"
#include "shell/shell.h"

namespace quibbet {

namespace {

struct Route {
  const Button* (*find)(const Shell&);
  void (*click)(Shell&);
};

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

template <void (Shell::*handler)()>
void ClickOnShell(Shell& shell) {
  (shell.*handler)();
}

template <void (Form1::*handler)()>
void ClickOnForm1(Shell& shell) {
  (shell.form1()->*handler)();
}

// In the order of Control. A route is followed only once its window is known to be visible.
constexpr std::array kRoutes = {
    Route{ButtonOn<Form2, &Form2::cmdplay>, ClickOnShell<&Shell::cmdplay_Click>},
    Route{ButtonOn<Form2, &Form2::cmdhowto>, ClickOnShell<&Shell::cmdhowto_Click>},
    Route{ButtonOn<Form2, &Form2::cmdabout>, ClickOnShell<&Shell::cmdabout_Click>},
    Route{ButtonOn<Form2, &Form2::cmdexit>, ClickOnShell<&Shell::cmdexit_Click>},
    Route{ButtonOn<Frmhelp, &Frmhelp::Command1>, ClickOnShell<&Shell::Command1_Click>},
    Route{ButtonOn<Form1, &Form1::cmdreset>, ClickOnForm1<&Form1::cmdreset_Click>},
    Route{ButtonOn<Form1, &Form1::cmdsubmit>, ClickOnForm1<&Form1::cmdsubmit_Click>},
    Route{ButtonOn<Form1, &Form1::cmdmain>, ClickOnShell<&Shell::cmdmain_Click>},
};

// What a stored table may hold: a whole number 0 to 2147483647 in plain digits.
bool IsStoredScore(std::string_view score) {
  const auto value = StrictNumber(score);
  const bool plain = !score.empty() && score.find_first_not_of("0123456789") == score.npos &&
                     (score == "0" || score.front() != '0');
  return plain && value && *value <= 2147483647.0;
}

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
  const Route& route = kRoutes[static_cast<std::size_t>(control)];
  InputResult result = CheckVisible(WindowOf(control));
  if (result == InputResult::kDone && !route.find(*this)->visible) {
    result = InputResult::kControlNotShown;
  }
  if (result == InputResult::kDone) {
    route.click(*this);
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
    form1_->Form_MouseMove(0, 0, x, y);
  }
  return Took(result, PointerInput{x, y});
}

InputResult Shell::PressKey(std::int16_t keyCode) {
  const InputResult result = CheckVisible(Window::kForm1);
  if (result == InputResult::kDone) {
    form1_->Form_KeyDown(keyCode, 0);
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

InputResult Shell::SetTableRow(int row, std::string_view score, std::string_view name) {
  if (ended_) {
    return InputResult::kProgramEnded;
  }
  if (row < 0 || row >= kTableRows || !IsStoredScore(score)) {
    return InputResult::kBadValue;
  }
  storedRows_[static_cast<std::size_t>(row)] = StoredRow{std::string(score), std::string(name)};
  PutStoredRows();
  events_.On({.kind = EventKind::kTableRowSet, .row = row});
  return Took(InputResult::kDone, RowInput{row, std::string(score), std::string(name)});
}

void Shell::PutStoredRows() {
  if (!form1_) {
    return;
  }
  for (int row = 0; row < kTableRows; ++row) {
    if (const auto& stored = storedRows_[static_cast<std::size_t>(row)]) {
      form1_->table.lbluserscore[row].caption = stored->score;
      form1_->table.lblhighname[row].caption = stored->name;
    }
  }
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
    InputResult operator()(const RowInput& in) {
      return shell.SetTableRow(in.row, in.score, in.name);
    }
  };
  return std::visit(Visitor{*this}, input);
}

}  // namespace quibbet
