#include "replay/button_route.h"

#include <algorithm>
#include <array>

namespace quibbet::replay {

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
  const Form* form = FormOn<Form>(shell);
  return form ? &(form->*button) : nullptr;
}

template <void (Shell::*handler)()>
void ClickOnShell(Shell& shell) {
  (shell.*handler)();
}

// Only called once the route has checked that the game window is loaded and visible.
template <void (Form1::*handler)()>
void ClickOnForm1(Shell& shell) {
  (shell.form1()->*handler)();
}

constexpr std::array kRoutes = {
    ButtonRoute{"cmdplay", Window::kForm2, ButtonOn<Form2, &Form2::cmdplay>,
                ClickOnShell<&Shell::cmdplay_Click>},
    ButtonRoute{"cmdhowto", Window::kForm2, ButtonOn<Form2, &Form2::cmdhowto>,
                ClickOnShell<&Shell::cmdhowto_Click>},
    ButtonRoute{"cmdabout", Window::kForm2, ButtonOn<Form2, &Form2::cmdabout>,
                ClickOnShell<&Shell::cmdabout_Click>},
    ButtonRoute{"cmdexit", Window::kForm2, ButtonOn<Form2, &Form2::cmdexit>,
                ClickOnShell<&Shell::cmdexit_Click>},
    ButtonRoute{"Command1", Window::kFrmhelp, ButtonOn<Frmhelp, &Frmhelp::Command1>,
                ClickOnShell<&Shell::Command1_Click>},
    ButtonRoute{"cmdreset", Window::kForm1, ButtonOn<Form1, &Form1::cmdreset>,
                ClickOnForm1<&Form1::cmdreset_Click>},
    ButtonRoute{"cmdsubmit", Window::kForm1, ButtonOn<Form1, &Form1::cmdsubmit>,
                ClickOnForm1<&Form1::cmdsubmit_Click>},
    ButtonRoute{"cmdmain", Window::kForm1, ButtonOn<Form1, &Form1::cmdmain>,
                ClickOnShell<&Shell::cmdmain_Click>},
};

}  // namespace

const ButtonRoute* ButtonNamed(std::string_view name) {
  const auto* found = std::find_if(kRoutes.begin(), kRoutes.end(),
                                   [name](const ButtonRoute& route) { return route.name == name; });
  return found == kRoutes.end() ? nullptr : found;
}

}  // namespace quibbet::replay
