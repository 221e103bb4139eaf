// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPaintEvent>
#include <QPushButton>
#include <optional>

// A push button of the game's windows. A button in the graphical look paints its face itself, in
// exactly its designed colour whatever its state: the focus is a dotted rectangle inside the face
// and a press sinks the edge, where a style would shade the face.

namespace quibbet {

class GameButton final : public QPushButton {
  Q_OBJECT

 public:
  // A face colour gives the graphical look; without one the button has the standard look.
  GameButton(QWidget& window, std::optional<QColor> face);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::optional<QColor> face_;
};

}  // namespace quibbet
