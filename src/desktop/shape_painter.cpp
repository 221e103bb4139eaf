// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/shape_painter.h"

#include <QPainterPath>
#include <QPen>
#include <QRectF>

#include "desktop/qt_convert.h"
#include "desktop/twips_map.h"

namespace quibbet {

namespace {

// The border lies inside the shape, so what is painted covers exactly the rectangle the rules
// test for collisions. Rectangles are not antialiased: their edges snap to device pixels.
void PaintShape(QPainter& painter, const ControlView& shape) {
  if (!shape.visible) {
    return;
  }
  painter.setRenderHint(QPainter::Antialiasing, false);
  const QColor border = ToQColor(shape.foreColor);
  const QRectF outer(shape.left, shape.top, shape.width, shape.height);
  const qreal width = ToTwips(shape.borderWidth);
  const QRectF inner = outer.adjusted(width, width, -width, -width);
  if (!inner.isValid()) {
    painter.fillRect(outer, border);
    return;
  }
  QPainterPath frame;
  frame.addRect(outer);
  frame.addRect(inner);
  painter.fillPath(frame, border);
  if (shape.filled && shape.backColor) {
    painter.fillRect(inner, ToQColor(*shape.backColor));
  }
}

void PaintLine(QPainter& painter, const ControlView& line) {
  painter.setRenderHint(QPainter::Antialiasing, true);
  QPen pen(ToQColor(line.foreColor));
  pen.setWidthF(ToTwips(line.borderWidth));
  pen.setCapStyle(Qt::RoundCap);
  painter.setPen(pen);
  painter.drawLine(QPointF(line.left, line.top),
                   QPointF(line.left + line.width, line.top + line.height));
}

}  // namespace

// In the description's order: the square over the blocks, the marks over the samples.
void PaintShapes(QPainter& painter, const WindowDescription& description) {
  painter.save();
  ScaleToTwips(painter);
  for (const ControlView& control : description.controls) {
    if (control.kind == ControlKind::kShape) {
      PaintShape(painter, control);
    } else if (control.kind == ControlKind::kLine) {
      PaintLine(painter, control);
    }
  }
  painter.restore();
}

}  // namespace quibbet
