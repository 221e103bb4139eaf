// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/window_view.h"

#include "desktop/accessible_window.h"
#include "desktop/qt_convert.h"

namespace quibbet {

WindowView::WindowView(std::string_view caption, QSize clientSize) {
  ExposeWindowsToAssistiveTechnology();
  setWindowTitle(ToQString(caption));
  resize(clientSize);
}

void WindowView::closeEvent(QCloseEvent* event) {
  event->ignore();
  emit closeBoxClicked();
}

}  // namespace quibbet
