// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPainter>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QSizeF>

#include "common/twips.h"

// The one map between the designs' twips and a window's logical pixels. At 100 % it is 15
// twips to the pixel, as the designs were laid out at 96 dots per inch; the player's zoom
// scales it, and a window on a full screen adds the margin that centres its content there.
// The screen's own scale comes on top of it. Everything a window shows and every pointer
// position it reads goes through its map, so the rules never see a pixel.

namespace quibbet {

class TwipsMap {
 public:
  TwipsMap() = default;
  explicit TwipsMap(qreal scale, QPointF margin = {}) : scale_(scale), margin_(margin) {}
  // The largest map that shows a design of the given size whole inside area, centred in it.
  static TwipsMap Fitting(QSizeF designTwips, QSize area);

  qreal scale() const { return scale_; }
  // Rounded to whole pixels, as widgets are placed.
  QRect ToPixels(Twips left, Twips top, Twips width, Twips height) const;
  // Exact, as shapes are painted.
  QRectF ToExactPixels(Twips left, Twips top, Twips width, Twips height) const;
  QPointF ToPixels(QPointF twips) const;
  QPointF ToTwips(QPointF pixels) const;
  // Turns a painter's units from the window's logical pixels into the design's pixels, those
  // of 15 twips, in which the shapes, the picture and the notices are painted.
  void ToDesignPixels(QPainter& painter) const;

  bool operator==(const TwipsMap&) const = default;

 private:
  qreal scale_ = 1.0;
  QPointF margin_;
};

// Design pixels, of 15 twips whatever the zoom: the designs give line widths in them.
inline constexpr qreal ToTwips(qreal designPixels) {
  return designPixels * kTwipsPerPixel;
}
// Turns a painter's units from design pixels into twips, so painted edges land exactly.
void ScaleToTwips(QPainter& painter);

}  // namespace quibbet
