// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPushButton>
#include <cstdint>
#include <vector>

#include "desktop/window_view.h"
#include "game/form1.h"

// The game window on screen. It paints the info bar, the blocks and the player's square from
// the game's data and hands the pointer and the keyboard to the game's handlers; it decides
// nothing of the game itself. Pausing is its own: the player's, outside the rules.

namespace quibbet {

class Form1View final : public WindowView {
  Q_OBJECT

 public:
  explicit Form1View(const Form1& form);

  void Refresh() override;
  // Repaints only where the player's square was and where it is now.
  void RepaintSquare();
  std::vector<NamedShape> NamedShapes() const override;

  QPushButton* cmdreset() const { return cmdreset_; }
  QPushButton* cmdsubmit() const { return cmdsubmit_; }
  QPushButton* cmdmain() const { return cmdmain_; }
  QLineEdit* txtname() const { return txtname_; }
  // Whether the player has paused the round: the window then passes on no pointer movement
  // and no key but P, and shows that play is paused.
  bool paused() const { return paused_; }

 signals:
  // The pointer's position in twips from the client area's top-left corner.
  void pointerMoved(float x, float y);
  void keyDown(std::int16_t keyCode);
  void pausedChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  struct MirroredLabel {
    QLabel* widget;
    const Label* label;
  };

  QLabel* AddMirroredLabel(const Label& label, const QString& name);
  void AddTable();
  // Keeps the keys with a shown control, or with the window itself while no control is shown.
  void KeepKeyboardFocus();
  // Only a round in play can be paused.
  void SetPaused(bool paused);
  // The pixels the square covers, with one to spare on each side for a fractional scale.
  QRect SquarePixels() const;

  const Form1& form_;
  std::vector<MirroredLabel> labels_;
  QPushButton* cmdreset_;
  QLineEdit* txtname_;
  QPushButton* cmdsubmit_;
  QPushButton* cmdmain_;
  bool paused_ = false;
  QRect squareShown_;
};

}  // namespace quibbet
