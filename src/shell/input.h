// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "common/window.h"
#include "shell/control.h"

// Everything a player (or a script standing in for one) can do to the program, as plain values.
// Message-box answers are not here: the front end's own message box gives them.

namespace quibbet {

struct ClickInput {
  Control control;
};
// The title-bar close box.
struct CloseInput {
  Window window;
};
// Twips from the top-left corner of the game window's client area.
struct PointerInput {
  float x;
  float y;
};
struct KeyInput {
  std::int16_t code;  // 32 is the spacebar
};
// The whole text of the name box after an edit, in UTF-8.
struct TextInput {
  std::string text;
};
struct TickInput {
  std::int64_t count;
};
using Input = std::variant<ClickInput, CloseInput, PointerInput, KeyInput, TextInput, TickInput>;

// Why an input was not taken. Nothing happens to the game when it is not.
enum class InputResult {
  kDone,
  kProgramEnded,
  kWindowNotVisible,
  kControlNotShown,  // the button clicked, or the name box typed into, is hidden
};

// Hears every input the program took, after it took it, with the ticks actually delivered.
class InputLog {
 public:
  virtual ~InputLog() = default;
  virtual void Took(const Input& input) = 0;
};

}  // namespace quibbet
