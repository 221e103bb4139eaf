// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/window_keys.h"

namespace quibbet {

std::optional<WindowKey> WindowKeyOf(const QKeyEvent& event) {
  // Shift is part of typing a plus on many layouts; the keypad's keys count as the others.
  const Qt::KeyboardModifiers held = event.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
  if (held == Qt::NoModifier && event.key() == Qt::Key_F11) {
    return WindowKey::kFullScreen;
  }
  if (held != Qt::ControlModifier) {
    return std::nullopt;
  }
  switch (event.key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
      return WindowKey::kZoomIn;
    case Qt::Key_Minus:
      return WindowKey::kZoomOut;
    case Qt::Key_0:
      return WindowKey::kActualSize;
    default:
      return std::nullopt;
  }
}

}  // namespace quibbet
