// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "frontend/settings.h"

namespace quibbet::testing {

// The player's choices as a front end keeps them, in memory.
class KeptSettings final : public Settings {
 public:
  std::optional<bool> Read(std::string_view key) override {
    const auto kept = choices.find(std::string(key));
    return kept == choices.end() ? std::nullopt : std::optional<bool>(kept->second);
  }
  void Write(std::string_view key, bool on) override { choices[std::string(key)] = on; }
  std::map<std::string, bool, std::less<>> choices;
};

}  // namespace quibbet::testing
