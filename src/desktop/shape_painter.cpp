// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/shape_painter.h"

#include <QPainterPath>
#include <QPen>
#include <QRectF>

#include "common/twips.h"
#include "desktop/qt_convert.h"

namespace quibbet {

namespace {

// The toolkit's default border colour: the window-text colour.
constexpr Qt::GlobalColor kBorderColour = Qt::black;

// Runs paint with the painter's units turned from logical pixels into twips.
template <typename Paint>
void InTwips(QPainter& painter, Paint paint) {
  painter.save();
  painter.scale(1.0 / kTwipsPerPixel, 1.0 / kTwipsPerPixel);
  paint();
  painter.restore();
}

// The border lies inside the shape, so what is painted covers exactly the rectangle the rules
// test for collisions. Rectangles are not antialiased: their edges snap to device pixels.
void PaintShape(QPainter& painter, const Shape& shape) {
  if (!shape.visible) {
    return;
  }
  painter.setRenderHint(QPainter::Antialiasing, false);
  const QRectF outer(shape.left, shape.top, shape.width, shape.height);
  const qreal border = static_cast<qreal>(shape.borderWidth) * kTwipsPerPixel;
  const QRectF inner = outer.adjusted(border, border, -border, -border);
  if (!inner.isValid()) {
    painter.fillRect(outer, kBorderColour);
    return;
  }
  QPainterPath frame;
  frame.addRect(outer);
  frame.addRect(inner);
  painter.fillPath(frame, kBorderColour);
  if (shape.filled) {
    painter.fillRect(inner, ToQColor(shape.backColor));
  }
}

void PaintLine(QPainter& painter, const Line& line) {
  painter.setRenderHint(QPainter::Antialiasing, true);
  QPen pen(ToQColor(line.color));
  pen.setWidthF(static_cast<qreal>(line.borderWidth) * kTwipsPerPixel);
  pen.setCapStyle(Qt::RoundCap);
  painter.setPen(pen);
  painter.drawLine(QPointF(line.x1, line.y1), QPointF(line.x2, line.y2));
}

}  // namespace

// The square goes last so the player always sees it, also over a block.
void PaintForm1(QPainter& painter, const Form1& form) {
  InTwips(painter, [&] {
    PaintShape(painter, form.shpinfo);
    for (const Shape& block : form.shpother) {
      PaintShape(painter, block);
    }
    PaintShape(painter, form.shpgreen);
  });
}

void PaintFrmhelp(QPainter& painter, const Frmhelp& help) {
  InTwips(painter, [&] {
    for (const Shape* sample : {&help.Shape2, &help.Shape3, &help.Shape1, &help.shpred}) {
      PaintShape(painter, *sample);
    }
    for (const Line* mark : {&help.Line3, &help.Line4, &help.Line1[0], &help.Line1[1]}) {
      PaintLine(painter, *mark);
    }
  });
}

}  // namespace quibbet
