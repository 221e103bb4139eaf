// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/controls.h"

namespace quibbet {

Label MakeLabel(Geometry at, std::string_view caption, Font font, Alignment alignment) {
  Label label;
  static_cast<Geometry&>(label) = at;
  label.caption = std::string(caption);
  label.font = font;
  label.alignment = alignment;
  return label;
}

Button MakeButton(Geometry at, std::string_view caption, Font font, int tabIndex,
                  std::optional<Colour> backColor) {
  Button button;
  static_cast<Geometry&>(button) = at;
  button.caption = std::string(caption);
  button.font = font;
  button.tabIndex = tabIndex;
  button.backColor = backColor;
  return button;
}

Shape MakeSquare(Colour colour, Twips left, Twips top, Twips size) {
  Shape shape;
  static_cast<Geometry&>(shape) = Geometry{left, top, size, size};
  shape.backColor = colour;
  return shape;
}

}  // namespace quibbet
