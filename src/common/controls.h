// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/boolean.h"
#include "common/colour.h"
#include "common/twips.h"

// The controls of the game's windows as plain data: what their designs list and what the rules
// change. The desktop program draws them as they stand; nothing here knows of a toolkit.

namespace quibbet {

struct Font {
  std::string_view face;
  float points = 8.25f;
  int weight = 400;
  bool italic = false;
};

enum class Alignment { kLeft, kCentre };

// Where a control sits on its window's client area, and its size.
struct Geometry {
  Twips left = 0;
  Twips top = 0;
  Twips width = 0;
  Twips height = 0;
};

struct Label : Geometry {
  std::string caption;
  bool visible = true;
  Font font;
  Alignment alignment = Alignment::kLeft;
  bool opaque = false;    // draws the window's background behind its text
  bool wordWrap = false;  // breaks lines between words; otherwise the text is clipped
};

struct Button : Geometry {
  std::string caption;
  bool visible = true;
  Font font;
  int tabIndex = 0;
  std::optional<Colour> backColor;  // set for the graphical look, which shows it
  Boolean value = kFalse;           // pressed: true while a click is delivered to its handler
};

struct TextBox : Geometry {
  std::string text;
  bool visible = true;
  Font font;
  int tabIndex = 0;
  Colour backColor = kWhite;
};

// A rectangle shape. Border widths are in pixels, not twips.
struct Shape : Geometry {
  Colour backColor = kWhite;
  bool visible = true;
  bool filled = true;  // false: outline only, transparent inside
  int borderWidth = 2;
};

// A straight line; its width is in pixels.
struct Line {
  Twips x1 = 0;
  Twips y1 = 0;
  Twips x2 = 0;
  Twips y2 = 0;
  Colour color = 0;
  int borderWidth = 1;
};

struct Timer {
  int interval = 1;  // milliseconds
  bool enabled = true;
};

// Design helpers shared by the windows' designs.
Label MakeLabel(Geometry at, std::string_view caption, Font font,
                Alignment alignment = Alignment::kLeft);
Button MakeButton(Geometry at, std::string_view caption, Font font, int tabIndex,
                  std::optional<Colour> backColor = std::nullopt);
Shape MakeSquare(Colour colour, Twips left, Twips top, Twips size);

}  // namespace quibbet
