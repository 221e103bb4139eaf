// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string_view>

#include "frontend/settings.h"

// The player's choices in localStorage, an item for each: "quibbet/sound", "quibbet/symbols",
// each "on" or "off".

namespace quibbet {

class PageSettings final : public Settings {
 public:
  std::optional<bool> Read(std::string_view key) override;
  void Write(std::string_view key, bool on) override;
};

}  // namespace quibbet
