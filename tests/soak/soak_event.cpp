// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "soak_event.h"

#include <array>

namespace quibbet::soak {

namespace {

constexpr std::array<const char*, 11> kNames = {"tick",
                                                "pointer move",
                                                "key",
                                                "Click To Play Again",
                                                "Submit Score",
                                                "Go To Main Menu",
                                                "Play",
                                                "How To Play",
                                                "Back to Main Menu",
                                                "About",
                                                "Exit answered No"};
static_assert(kNames.size() == static_cast<std::size_t>(Action::kExitAnsweredNo) + 1);

}  // namespace

std::string Describe(const Event& event) {
  std::string text = kNames[static_cast<std::size_t>(event.action)];
  if (event.action == Action::kKey) {
    text += " " + std::to_string(event.key);
  } else if (event.action == Action::kPointerMove) {
    text += " to (" + std::to_string(event.x) + ", " + std::to_string(event.y) + ")";
  }
  return text;
}

}  // namespace quibbet::soak
