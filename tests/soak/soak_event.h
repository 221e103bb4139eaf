// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

// One thing the soak's player does to the windows: a tick of the game window's timer, a pointer
// movement, a key press or a button click.

namespace quibbet::soak {

enum class Action {
  kTick,
  kPointerMove,
  kKey,
  kReset,   // "Click To Play Again"
  kSubmit,  // "Submit Score", after typing a name
  kMainMenu,
  kPlay,
  kHowToPlay,
  kBackFromHelp,
  kAbout,
  kExitAnsweredNo,
};

struct Event {
  Action action = Action::kTick;
  std::int16_t key = 0;  // the key code of kKey
  float x = 0;           // the pointer of kPointerMove, in twips
  float y = 0;
};

// The shell's buttons: none of them may change anything in the game window.
constexpr bool IsNavigation(Action a) {
  return a == Action::kMainMenu || a == Action::kPlay || a == Action::kHowToPlay ||
         a == Action::kBackFromHelp || a == Action::kAbout || a == Action::kExitAnsweredNo;
}

// For failure messages: enough to find the event again in a replay of the same seed.
std::string Describe(const Event& event);

}  // namespace quibbet::soak
