// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/control.h"

#include <algorithm>
#include <array>

namespace quibbet {

namespace {

struct Named {
  Control control;
  std::string_view name;
  Window window;
};

// In the order of Control.
constexpr std::array<Named, 8> kNames = {{
    {Control::kCmdplay, "cmdplay", Window::kForm2},
    {Control::kCmdhowto, "cmdhowto", Window::kForm2},
    {Control::kCmdabout, "cmdabout", Window::kForm2},
    {Control::kCmdexit, "cmdexit", Window::kForm2},
    {Control::kCommand1, "Command1", Window::kFrmhelp},
    {Control::kCmdreset, "cmdreset", Window::kForm1},
    {Control::kCmdsubmit, "cmdsubmit", Window::kForm1},
    {Control::kCmdmain, "cmdmain", Window::kForm1},
}};

}  // namespace

std::optional<Control> ControlNamed(std::string_view name) {
  const auto* found = std::find_if(kNames.begin(), kNames.end(),
                                   [name](const Named& entry) { return entry.name == name; });
  if (found == kNames.end()) {
    return std::nullopt;
  }
  return found->control;
}

std::string_view NameOf(Control control) {
  return kNames[static_cast<std::size_t>(control)].name;
}

Window WindowOf(Control control) {
  return kNames[static_cast<std::size_t>(control)].window;
}

}  // namespace quibbet
