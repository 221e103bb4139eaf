// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/choice_notice.h"

#include "desktop/font_map.h"
#include "desktop/qt_convert.h"

namespace quibbet {

namespace {

constexpr int kShownMs = 1200;

}  // namespace

ChoiceNotice::ChoiceNotice() {
  timer_.setSingleShot(true);
  timer_.setInterval(kShownMs);
  QObject::connect(&timer_, &QTimer::timeout, [this] {
    if (label_) {
      label_->hide();
    }
  });
}

void ChoiceNotice::Show(QWidget& window, qreal scale, std::string_view text) {
  const QFont font = ToQFont({FontRole::kSansSerif, 13.5f, 700, false}, scale);
  if (!label_ || label_->parentWidget() != &window) {
    if (label_) {
      label_->deleteLater();  // the notice over another window
    }
    label_ = new QLabel(&window);
    label_->setAttribute(Qt::WA_TransparentForMouseEvents);
    label_->setFocusPolicy(Qt::NoFocus);
    label_->setAlignment(Qt::AlignCenter);
    label_->setFont(font);
    label_->setStyleSheet(
        QStringLiteral("background: white; color: black; border: 2px solid black; padding: 8px"));
  }
  // Only a new zoom sets the font again: each time the style sheet polishes the label anew.
  if (label_->font() != font) {
    label_->setFont(font);
  }
  label_->setText(ToQString(text));
  label_->adjustSize();
  label_->move((window.width() - label_->width()) / 2, (window.height() - label_->height()) / 2);
  label_->show();
  label_->raise();
  timer_.start();
}

}  // namespace quibbet
