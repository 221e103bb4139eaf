// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <string_view>

// What M or C just did ("Sound off", "Symbols on") over the window where it was pressed, for a
// moment. It is no control of the window: it takes neither the pointer nor the focus.

namespace quibbet {

class ChoiceNotice final {
 public:
  ChoiceNotice();
  // In the window's zoom: scale is that of its twips map.
  void Show(QWidget& window, qreal scale, std::string_view text);

 private:
  QPointer<QLabel> label_;
  QTimer timer_;
};

}  // namespace quibbet
