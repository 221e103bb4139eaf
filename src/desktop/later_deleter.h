// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

// Owns a window view that may be destroyed from inside one of its own event handlers (a click
// on its button, its close box): the window leaves the screen and stops reporting at once, and
// Qt deletes it once control is back in the event loop.

namespace quibbet {

struct LaterDeleter {
  void operator()(QWidget* window) const {
    window->disconnect();
    window->hide();
    window->deleteLater();
  }
};

}  // namespace quibbet
