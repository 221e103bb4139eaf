// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

#include "frontend/settings.h"

// A choice the player turns off and on with one key, kept for the next run, and the short
// notice that tells what the key did.

namespace quibbet {

struct ChoiceText {
  std::string_view key;  // its name among the settings
  bool byDefault;        // until the player first chooses
  std::string_view onNotice;
  std::string_view offNotice;
};

inline constexpr ChoiceText kSoundChoice{"sound", true, "Sound on", "Sound off"};
// Off by default: the design tells blocks apart by colour alone.
inline constexpr ChoiceText kSymbolsChoice{"symbols", false, "Symbols on", "Symbols off"};

class Choice final {
 public:
  // offForRun: off for this run whatever the setting says, until the player turns it on.
  Choice(Settings& settings, const ChoiceText& text, bool offForRun = false);

  bool on() const { return on_; }
  // Turns it off or on, and keeps the choice.
  void Toggle();
  std::string_view Notice() const { return on_ ? text_.onNotice : text_.offNotice; }

 private:
  Settings& settings_;
  ChoiceText text_;
  bool on_;
};

}  // namespace quibbet
