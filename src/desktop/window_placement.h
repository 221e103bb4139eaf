// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMargins>
#include <QRect>
#include <QScreen>
#include <QSize>
#include <QWidget>
#include <optional>

// Where the game's windows appear. Each move between windows puts the new window where the
// player is already looking, centred on the window it replaces (the first one on the screen
// under the pointer), and keeps its whole frame inside that screen's available area, so no
// button starts off-screen. A window shown again stays where the player left it.

namespace quibbet {

class WindowPlacement {
 public:
  // Notes where a window stands as it leaves the screen, for the window that replaces it.
  void Leaving(const QWidget& window);
  // Shows the window; the first time, at its place. Wayland's compositors place windows
  // themselves and ignore a client's wishes, so there the window is only shown.
  void Show(QWidget& window);
  // The room a window's client area has on the screen where the next window appears.
  QSize Room() const;

 private:
  QScreen* NextScreen() const;
  void Place(QWidget& window) const;

  std::optional<QRect> replaced_;
  // The window manager's frame around a window, as last seen: a window not yet shown has none.
  QMargins frame_;
};

// The frame of the given size centred on centre and moved as little as needed to lie inside
// area; a frame larger than area keeps its top-left corner, title bar and close box in it.
QRect CentredInside(QSize frame, QPoint centre, const QRect& area);

}  // namespace quibbet
