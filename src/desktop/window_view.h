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
#include <QResizeEvent>
#include <QString>
#include <QWidget>
#include <optional>
#include <string_view>
#include <vector>

#include "desktop/twips_map.h"
#include "frontend/session.h"

// A top-level window of the game on screen, drawn from the session's description of it: a
// widget for each label, button and name box, the shapes, lines and picture painted. What the
// player does goes to the session, which decides; the window then tells that it took an input,
// so the program brings every window in line. Its close box does not close it: the rules
// decide what happens to the window. It shows its design at the player's zoom, or on a full
// screen as large as the screen allows, centred between black bars.

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

  // Where the window shows its twips now.
  const TwipsMap& map() const { return map_; }
  // Whether the window fills the screen at the player's F11, its content between bars. A
  // window that a compositor shows on a full screen by its own rule keeps its scale.
  bool Letterboxed() const { return fillAsked_ && isFullScreen(); }
  // The scale of the window when it is not on a full screen.
  qreal scale() const { return scale_; }
  void SetScale(qreal scale);
  // The largest scale at which the window fits inside room.
  qreal ScaleToFit(QSize room) const;

 signals:
  void inputTaken();
  // The player asked for all windows at this zoom, in percent.
  void zoomChosen(int percent);

 protected:
  const WindowDescription& description() const { return *session_.Description(window_); }
  Session& session() { return session_; }
  QPushButton* ButtonNamed(std::string_view name) const;
  QWidget* WidgetNamed(std::string_view name) const;

  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Gives the window its size; a window of fixed size keeps it fixed.
  virtual void SizeTo(QSize size) { resize(size); }

 private:
  QSizeF DesignSize() const;
  // Whether the window or the session took the key.
  bool PressKey(const QKeyEvent& event);
  bool PressWindowKey(const QKeyEvent& event);
  void ToggleFullScreen();
  // Follows the window's size and state with its map, and the widgets with the map.
  void Remap();
  void RepaintShape(std::size_t index);
  void PaintBars(QPainter& painter) const;

  Session& session_;
  Window window_;
  qreal scale_ = 1.0;
  bool fillAsked_ = false;
  TwipsMap map_;
  std::vector<QWidget*> widgets_;  // by control index; null where the window paints
  std::vector<QRect> painted_;     // by control index: the pixels a shape last covered
  QPixmap picture_;
};

}  // namespace quibbet
