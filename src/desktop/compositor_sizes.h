// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

// On Wayland a maximised or full-screen window must take exactly the size the compositor
// configured, or the compositor ends the program. Qt's own title bar there offers maximise even
// on a window of fixed size, then holds the window to that size, so one click on it killed the
// game. While this filter is installed on the application, a window of fixed size keeps its
// size as its smallest but may grow when the compositor asks: its content keeps its place, and
// the rest shows the window's background. Full screen, where the compositor may centre a
// smaller window on black (as a kiosk shows every window), it keeps its own size; unless the
// player asked for the full screen, which frees the window of its size, to fill the screen.

namespace quibbet {

class CompositorSizes : public QObject {
 public:
  // True when the windows are shown through a Wayland compositor.
  static bool Needed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  static void Fit(QWidget& window);
};

}  // namespace quibbet
