// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/twips_map.h"

#include <algorithm>
#include <cmath>

namespace quibbet {

namespace {

int Rounded(qreal pixels) {
  return static_cast<int>(std::lround(pixels));
}

}  // namespace

TwipsMap TwipsMap::Fitting(QSizeF designTwips, QSize area) {
  const QSizeF design = designTwips / kTwipsPerPixel;
  const qreal scale = std::min(area.width() / design.width(), area.height() / design.height());
  const QSizeF shown = design * scale;
  return TwipsMap(scale, QPointF(area.width() - shown.width(), area.height() - shown.height()) / 2);
}

// Multiplied before divided: at 100 % and 150 % every twip a design uses then maps to pixels
// and back without a rounding error.
QPointF TwipsMap::ToPixels(QPointF twips) const {
  return twips * scale_ / kTwipsPerPixel + margin_;
}

QPointF TwipsMap::ToTwips(QPointF pixels) const {
  return (pixels - margin_) * kTwipsPerPixel / scale_;
}

QRect TwipsMap::ToPixels(Twips left, Twips top, Twips width, Twips height) const {
  const QPointF corner = ToPixels(QPointF(left, top));
  const QSizeF size = QSizeF(width, height) * scale_ / kTwipsPerPixel;
  return {Rounded(corner.x()), Rounded(corner.y()), Rounded(size.width()), Rounded(size.height())};
}

QRectF TwipsMap::ToExactPixels(Twips left, Twips top, Twips width, Twips height) const {
  return {ToPixels(QPointF(left, top)), QSizeF(width, height) * scale_ / kTwipsPerPixel};
}

void TwipsMap::ToDesignPixels(QPainter& painter) const {
  painter.translate(margin_);
  painter.scale(scale_, scale_);
}

void ScaleToTwips(QPainter& painter) {
  painter.scale(1.0 / kTwipsPerPixel, 1.0 / kTwipsPerPixel);
}

}  // namespace quibbet
