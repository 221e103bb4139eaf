// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/paused_notice.h"

#include <QFont>
#include <QString>

#include "desktop/font_map.h"
#include "desktop/qt_convert.h"

namespace quibbet {

namespace {

constexpr QSize kPanel(320, 120);
// The heading fills the panel's upper half; the hint sits beneath it.
constexpr int kHeadingHeight = 64;

QFont NoticeFont(float points) {
  return ToQFont({FontRole::kSansSerif, points, 700, false});
}

}  // namespace

void PaintPausedNotice(QPainter& painter, const QRect& window) {
  QRect panel(QPoint(), kPanel);
  panel.moveCenter(window.center());
  painter.save();
  painter.setPen(QPen(Qt::black, 2));
  painter.setBrush(Qt::white);
  painter.drawRect(panel);
  const QRect heading(panel.left(), panel.top() + 8, panel.width(), kHeadingHeight);
  const QRect hint(panel.left(), heading.bottom(), panel.width(),
                   panel.bottom() - heading.bottom());
  painter.setFont(NoticeFont(27));
  painter.drawText(heading, Qt::AlignCenter, ToQString(kPausedHeading));
  painter.setFont(NoticeFont(13.5f));
  painter.drawText(hint, Qt::AlignHCenter | Qt::AlignTop, ToQString(kPausedHint));
  painter.restore();
}

}  // namespace quibbet
