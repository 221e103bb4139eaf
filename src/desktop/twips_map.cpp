// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/twips_map.h"

#include <cmath>

namespace quibbet {

namespace {

int Rounded(Twips twips) {
  return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

}  // namespace

QRect ToPixels(Twips left, Twips top, Twips width, Twips height) {
  return {Rounded(left), Rounded(top), Rounded(width), Rounded(height)};
}

QRectF ToExactPixels(Twips left, Twips top, Twips width, Twips height) {
  return {QPointF(left, top) / kTwipsPerPixel, QSizeF(width, height) / kTwipsPerPixel};
}

QPointF ToTwips(QPointF pixels) {
  return pixels * kTwipsPerPixel;
}

qreal ToTwips(qreal pixels) {
  return pixels * kTwipsPerPixel;
}

void ScaleToTwips(QPainter& painter) {
  painter.scale(1.0 / kTwipsPerPixel, 1.0 / kTwipsPerPixel);
}

}  // namespace quibbet
