// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

// The program's three windows: the game window, the main menu and the help window.

namespace quibbet {

enum class Window { kForm1, kForm2, kFrmhelp };
inline constexpr std::array<Window, 3> kAllWindows = {Window::kForm1, Window::kForm2,
                                                      Window::kFrmhelp};

}  // namespace quibbet
