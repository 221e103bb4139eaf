// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/form1_view.h"

#include <QKeyEvent>
#include <QLabel>

#include "desktop/input_codes.h"
#include "desktop/window_keys.h"

namespace quibbet {

Form1View::Form1View(Session& session) : WindowView(session, Window::kForm1) {
  // A fixed border with a close box and no minimize or maximize button.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setFixedSize(size());
  // The pointer is followed without a button held. The window holds the focus only while the
  // session gives it: a click on the background of the game-over screen leaves the focus in
  // its control.
  setMouseTracking(true);
  setFocusPolicy(Qt::NoFocus);
  // The name box is known by its label, as a screen reader announces it.
  qobject_cast<QLabel*>(WidgetNamed("lblname"))->setBuddy(txtname());
}

// The player's square first, then the blocks.
std::vector<NamedShape> Form1View::NamedShapes() const {
  std::vector<NamedShape> shapes = WindowView::NamedShapes();
  const auto square = std::find_if(shapes.begin(), shapes.end(), [](const NamedShape& shape) {
    return shape.shape->name == "shpgreen";
  });
  square->name = QStringLiteral("Player");
  std::rotate(shapes.begin(), square, square + 1);
  return shapes;
}

void Form1View::mouseMoveEvent(QMouseEvent* event) {
  // The bars around the field on a full screen are outside the window the game knows.
  const QPointF twips = map().ToTwips(event->position());
  if (Letterboxed() && !QRectF(0, 0, description().width, description().height).contains(twips)) {
    return;
  }
  session().MovePointer(static_cast<float>(twips.x()), static_cast<float>(twips.y()));
  emit inputTaken();
}

void Form1View::changeEvent(QEvent* event) {
  if (event->type() == QEvent::WindowStateChange) {
    session().SetOutOfSight(isMinimized());
    emit inputTaken();
  } else if (event->type() == QEvent::ActivationChange && !isActiveWindow()) {
    // Another window took the keyboard: a round waits for the player to come back.
    session().LoseKeyboard();
    emit inputTaken();
  }
  WindowView::changeEvent(event);
}

void Form1View::keyReleaseEvent(QKeyEvent* event) {
  // A key held down repeats as releases and presses; only the last release lets go.
  if (!event->isAutoRepeat() && !WindowKeyOf(*event)) {
    session().ReleaseKey(ToKeyCode(event->key()));
  }
  WindowView::keyReleaseEvent(event);
}

}  // namespace quibbet
