// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QKeyEvent>
#include <optional>

// The keys that change how a window is shown, not what happens in it: they belong to the
// desktop, so neither the game nor a focused control ever sees them.

namespace quibbet {

enum class WindowKey {
  kFullScreen,  // F11
  kZoomIn,      // Ctrl and plus, or Ctrl and =, the plus's key without Shift
  kZoomOut,     // Ctrl and minus
  kActualSize,  // Ctrl and 0
};

std::optional<WindowKey> WindowKeyOf(const QKeyEvent& event);

}  // namespace quibbet
