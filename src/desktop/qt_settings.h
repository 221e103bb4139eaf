// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string_view>

#include "frontend/settings.h"

// The player's choices in $XDG_CONFIG_HOME/quibbet/quibbet.ini (~/.config unless
// XDG_CONFIG_HOME says otherwise), one line a choice: "sound=false" once M turned sound off,
// "symbols=true" once C turned symbols on.

namespace quibbet {

class QtSettings final : public Settings {
 public:
  std::optional<bool> Read(std::string_view key) override;
  void Write(std::string_view key, bool on) override;
};

}  // namespace quibbet
