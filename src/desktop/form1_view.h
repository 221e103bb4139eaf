// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSize>
#include <vector>

#include "desktop/window_view.h"

// The game window on screen: a fixed border, the pointer followed without a button held, and a
// minimised window out of the player's sight.

namespace quibbet {

class Form1View final : public WindowView {
  Q_OBJECT

 public:
  explicit Form1View(Session& session);

  std::vector<NamedShape> NamedShapes() const override;

  QPushButton* cmdreset() const { return ButtonNamed("cmdreset"); }
  QPushButton* cmdsubmit() const { return ButtonNamed("cmdsubmit"); }
  QPushButton* cmdmain() const { return ButtonNamed("cmdmain"); }
  QLineEdit* txtname() const { return qobject_cast<QLineEdit*>(WidgetNamed("txtname")); }

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void SizeTo(QSize size) override { setFixedSize(size); }
};

}  // namespace quibbet
