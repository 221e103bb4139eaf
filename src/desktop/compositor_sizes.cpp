// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/compositor_sizes.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace quibbet {

bool CompositorSizes::Needed() {
  return QGuiApplication::platformName().startsWith(QStringLiteral("wayland"));
}

namespace {

// Marks a window whose size was fixed by its own code.
constexpr char kFixedSize[] = "quibbetFixedSize";

}  // namespace

bool CompositorSizes::eventFilter(QObject* watched, QEvent* event) {
  auto* widget = qobject_cast<QWidget*>(watched);
  const QEvent::Type type = event->type();
  if (widget != nullptr && widget->isWindow() &&
      (type == QEvent::Show || type == QEvent::LayoutRequest ||
       type == QEvent::WindowStateChange)) {
    // A message box fixes its size again in its own handlers of these, which run after this
    // filter: the window is fitted once they are done.
    QTimer::singleShot(0, widget, [window = QPointer<QWidget>(widget)] {
      if (!window) {
        return;
      }
      if (window->minimumSize() == window->maximumSize()) {
        window->setProperty(kFixedSize, true);
      }
      if (window->property(kFixedSize).toBool()) {
        Fit(*window);
      }
    });
  }
  return QObject::eventFilter(watched, event);
}

void CompositorSizes::Fit(QWidget& window) {
  if (window.isFullScreen() && !window.minimumSize().isEmpty()) {
    window.setMaximumSize(window.minimumSize());
  } else {
    window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  }
}

}  // namespace quibbet
