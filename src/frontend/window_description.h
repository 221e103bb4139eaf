// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/controls.h"
#include "common/window.h"
#include "frontend/block_symbol.h"
#include "shell/control.h"

// What each window shows, as every front end draws it: the controls in the order they are
// painted, each with its place in twips, text, colours, font and whether it is shown; where the
// keyboard focus is; the symbols on the blocks, if the player wants them; and whether the "Paused"
// notice lies over the game. Front ends draw this and nothing else of the rules.

namespace quibbet {

enum class ControlKind : std::uint8_t { kShape, kLine, kLabel, kButton, kTextBox, kPicture };

// The design's three faces; each front end keeps one table of the free faces standing in.
enum class FontRole : std::uint8_t {
  kSansSerif,  // "MS Sans Serif"
  kDisplay,    // "Lithos Pro Regular", capitals only
  kBookman,    // "Bookman Old Style"
};

struct TextStyle {
  FontRole role = FontRole::kSansSerif;
  float points = 8.25f;
  int weight = 400;
  bool italic = false;

  friend bool operator==(const TextStyle&, const TextStyle&) = default;
};

// One control. A line runs from (left, top) to (left + width, top + height); the picture is the
// menu's title band, drawn at its natural size.
struct ControlView {
  ControlKind kind = ControlKind::kShape;
  std::string name;  // as the design names it: "lblscore", "shpother(3)"
  Twips left = 0;
  Twips top = 0;
  Twips width = 0;
  Twips height = 0;
  std::string text;
  bool visible = true;
  TextStyle font;
  Alignment alignment = Alignment::kLeft;
  bool wordWrap = false;
  bool opaque = false;              // a label over the window's own background colour
  std::optional<Colour> backColor;  // none: the system's button face
  Colour foreColor = 0;             // a line's colour, a shape's border
  bool filled = true;
  int borderWidth = 0;            // pixels
  int tabIndex = -1;              // -1: never takes the keyboard focus
  std::optional<Control> button;  // what a click on it is
  SymbolLook symbol;              // over a shape's fill, while the player has symbols on

  friend bool operator==(const ControlView&, const ControlView&) = default;
};

// The notice over a paused round: it is no control, so it takes neither pointer nor focus.
inline constexpr std::string_view kPausedHeading = "Paused";
inline constexpr std::string_view kPausedHint = "Press P to play on";

// The keyboard focus on the window itself, where the game's keys go.
inline constexpr int kWindowBody = -1;

struct WindowDescription {
  Window window = Window::kForm2;
  std::string_view caption;
  Twips width = 0;
  Twips height = 0;
  std::optional<Colour> backColor;  // none: the system's button face
  std::vector<ControlView> controls;
  int focus = kWindowBody;  // index into controls
  bool paused = false;      // the "Paused" notice lies over the game

  // The index of the control of that name, if the window has one.
  std::optional<int> IndexOf(std::string_view name) const;
};

}  // namespace quibbet
