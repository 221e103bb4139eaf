// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCloseEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPixmap>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <QWidget>
#include <optional>
#include <string_view>
#include <vector>

#include "frontend/session.h"

// A top-level window of the game on screen, drawn from the session's description of it: a
// widget for each label, button and name box, the shapes, lines and picture painted. What the
// player does goes to the session, which decides; the window then tells that it took an input,
// so the program brings every window in line. Its close box does not close it: the rules
// decide what happens to the window.

namespace quibbet {

// A shape the window paints, with what it stands for in the game.
struct NamedShape {
  QString name;
  const ControlView* shape;
};

class WindowView : public QWidget {
  Q_OBJECT

 public:
  WindowView(Session& session, Window w);

  Window window() const { return window_; }
  // Shows what changed in the description.
  void Refresh(const WindowChange& change);
  // Puts the keyboard focus where the description has it.
  void ApplyFocus();
  // The index in the description of the control shown by widget, or the window body for the
  // window itself.
  std::optional<int> IndexOf(const QWidget* widget) const;

  // The painted shapes that mean something to the player, for assistive technology: always the
  // same shapes in the same order, though a name may change as the game goes on.
  virtual std::vector<NamedShape> NamedShapes() const;

 signals:
  void inputTaken();

 protected:
  const WindowDescription& description() const { return *session_.Description(window_); }
  Session& session() { return session_; }
  QPushButton* ButtonNamed(std::string_view name) const;
  QWidget* WidgetNamed(std::string_view name) const;

  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Whether the session took the key.
  bool PressKey(const QKeyEvent& event);
  void RepaintShape(std::size_t index);

  Session& session_;
  Window window_;
  std::vector<QWidget*> widgets_;  // by control index; null where the window paints
  std::vector<QRect> painted_;     // by control index: the pixels a shape last covered
  QPixmap picture_;
};

}  // namespace quibbet
