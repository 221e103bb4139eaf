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
  if (widget == nullptr || !widget->isWindow()) {
    return QObject::eventFilter(watched, event);
  }
  if (event->type() == QEvent::Show) {
    // A message box fixes its size in its own show handler, which runs after this filter.
    QTimer::singleShot(0, widget, [window = QPointer<QWidget>(widget)] {
      if (window && window->minimumSize() == window->maximumSize()) {
        window->setProperty(kFixedSize, true);
        Fit(*window);
      }
    });
  } else if (event->type() == QEvent::WindowStateChange && widget->property(kFixedSize).toBool()) {
    Fit(*widget);
  }
  return QObject::eventFilter(watched, event);
}

void CompositorSizes::Fit(QWidget& window) {
  if (window.isFullScreen()) {
    window.setMaximumSize(window.minimumSize());
  } else {
    window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  }
}

}  // namespace quibbet
