// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/window_names.h"

#include <algorithm>
#include <array>
#include <utility>

namespace quibbet {

namespace {

constexpr std::array<std::pair<Window, std::string_view>, 3> kNames = {{
    {Window::kForm1, "Form1"},
    {Window::kForm2, "Form2"},
    {Window::kFrmhelp, "frmhelp"},
}};

}  // namespace

std::optional<Window> WindowNamed(std::string_view name) {
  const auto* found = std::find_if(kNames.begin(), kNames.end(),
                                   [name](const auto& entry) { return entry.second == name; });
  if (found == kNames.end()) {
    return std::nullopt;
  }
  return found->first;
}

std::string_view NameOf(Window window) {
  return std::find_if(kNames.begin(), kNames.end(),
                      [window](const auto& entry) { return entry.first == window; })
      ->second;
}

}  // namespace quibbet
