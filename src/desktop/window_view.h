// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCloseEvent>
#include <QSize>
#include <QString>
#include <QWidget>
#include <string_view>
#include <vector>

#include "common/controls.h"

// A top-level window of the game on screen. Its close box does not close it: it reports the
// click, and the program's rules decide what happens to the window.

namespace quibbet {

// A shape the window paints, with what it stands for in the game.
struct NamedShape {
  QString name;
  const Shape* shape;
};

class WindowView : public QWidget {
  Q_OBJECT

 public:
  // A window with the caption and client size of its design.
  WindowView(std::string_view caption, QSize clientSize);

  // Shows what the window's data holds now. Windows whose data never changes have nothing to do.
  virtual void Refresh() {}

  // The painted shapes that mean something to the player, for assistive technology: always the
  // same shapes in the same order, though a name may change as the game goes on.
  virtual std::vector<NamedShape> NamedShapes() const { return {}; }

 signals:
  void closeBoxClicked();

 protected:
  void closeEvent(QCloseEvent* event) override;
};

}  // namespace quibbet
