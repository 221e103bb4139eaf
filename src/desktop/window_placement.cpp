// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/window_placement.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace quibbet {

namespace {

bool ClientsPlaceWindows() {
  return !QGuiApplication::platformName().startsWith(QLatin1StringView("wayland"));
}

QScreen* ScreenAt(QPoint point) {
  QScreen* screen = QGuiApplication::screenAt(point);
  return screen != nullptr ? screen : QGuiApplication::primaryScreen();
}

// Room for a frame not seen yet, as the first window opens: a title bar and thin borders.
constexpr QMargins kUnseenFrame(8, 32, 8, 8);

int Clamped(int start, int length, int areaStart, int areaLength) {
  return std::max(areaStart, std::min(start, areaStart + areaLength - length));
}

}  // namespace

QRect CentredInside(QSize frame, QPoint centre, const QRect& area) {
  QRect placed(QPoint(), frame);
  placed.moveCenter(centre);
  placed.moveTo(Clamped(placed.left(), placed.width(), area.left(), area.width()),
                Clamped(placed.top(), placed.height(), area.top(), area.height()));
  return placed;
}

void WindowPlacement::Leaving(const QWidget& window) {
  replaced_ = window.frameGeometry();
  const QRect client = window.geometry();
  const QRect outer = window.frameGeometry();
  frame_ = QMargins(client.left() - outer.left(), client.top() - outer.top(),
                    outer.right() - client.right(), outer.bottom() - client.bottom());
}

void WindowPlacement::Show(QWidget& window) {
  // A window that was placed once keeps the place the player has since given it.
  if (ClientsPlaceWindows() && !window.testAttribute(Qt::WA_Moved)) {
    Place(window);
  }
  window.show();
}

QScreen* WindowPlacement::NextScreen() const {
  return ScreenAt(replaced_ ? replaced_->center() : QCursor::pos());
}

QSize WindowPlacement::Room() const {
  const bool seen = !frame_.isNull();
  return NextScreen()->availableGeometry().size().shrunkBy(seen ? frame_ : kUnseenFrame);
}

void WindowPlacement::Place(QWidget& window) const {
  const QPoint centre = replaced_ ? replaced_->center() : QCursor::pos();
  const QRect area = NextScreen()->availableGeometry();
  const QPoint anchor = replaced_ ? centre : area.center();
  const QSize frame = window.size().grownBy(frame_);
  // A top-level window's position is that of its frame.
  window.move(CentredInside(frame, anchor, area).topLeft());
}

}  // namespace quibbet
