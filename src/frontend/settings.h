// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string_view>

// Where a front end keeps the player's choices from one run to the next, each an on or off
// under a name of its own ("sound", "symbols").

namespace quibbet {

class Settings {
 public:
  virtual ~Settings() = default;
  // None when the player never chose, or the choice cannot be read.
  virtual std::optional<bool> Read(std::string_view key) = 0;
  virtual void Write(std::string_view key, bool on) = 0;
};

}  // namespace quibbet
