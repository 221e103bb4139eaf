// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string_view>

#include "common/window.h"

// The buttons a player can click, across the three windows.

namespace quibbet {

enum class Control {
  kCmdplay,  // the menu's
  kCmdhowto,
  kCmdabout,
  kCmdexit,
  kCommand1,  // the help window's
  kCmdreset,  // the game window's
  kCmdsubmit,
  kCmdmain,
};

// The names the windows' designs give the buttons, as scripts write them.
std::optional<Control> ControlNamed(std::string_view name);
std::string_view NameOf(Control control);
// The window that holds the button.
Window WindowOf(Control control);

}  // namespace quibbet
