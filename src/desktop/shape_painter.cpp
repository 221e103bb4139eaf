// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/shape_painter.h"

#include <QLineF>
#include <QList>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QRectF>
#include <algorithm>

#include "desktop/qt_convert.h"
#include "desktop/twips_map.h"

namespace quibbet {

namespace {

// The straight lines of a symbol centred in box; none for the ring and the diamond. The
// diagonals are as long as the plus's arms.
QList<QLineF> LinesOf(Symbol symbol, const QRectF& box) {
  const QPointF c = box.center();
  const qreal d = box.width() / 2 * 0.7071;
  const QLineF bar(box.left(), c.y(), box.right(), c.y());
  const QLineF upright(c.x(), box.top(), c.x(), box.bottom());
  const QLineF falling(c.x() - d, c.y() - d, c.x() + d, c.y() + d);
  const QLineF rising(c.x() - d, c.y() + d, c.x() + d, c.y() - d);
  switch (symbol) {
    case Symbol::kPlus:
      return {bar, upright};
    case Symbol::kCross:
      return {falling, rising};
    case Symbol::kSnowflake:
      return {bar, upright, falling, rising};
    case Symbol::kBar:
      return {bar};
    default:
      return {};
  }
}

// The symbol as the kit lays it out: straight lines on whole pixels, sharp even on the smallest
// block; slanted and round ones antialiased.
void PaintSymbol(QPainter& painter, const QRectF& inside, const SymbolLook& look) {
  const qreal side = std::min(inside.width(), inside.height());
  const qreal half = side * kSymbolSpan / 2;
  const QPointF c = inside.center();
  const QRectF box(c.x() - half, c.y() - half, 2 * half, 2 * half);
  const QColor ink = ToQColor(look.ink);
  QPen pen(ink, std::max(side * kSymbolStroke, ToTwips(kSymbolMinStroke)));
  pen.setCapStyle(Qt::FlatCap);
  const bool straight = look.symbol == Symbol::kPlus || look.symbol == Symbol::kBar;
  painter.setRenderHint(QPainter::Antialiasing, !straight);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  if (look.symbol == Symbol::kRing) {
    // Its line lies inside the span, as the lines' ends do.
    const qreal r = half - pen.widthF() / 2;
    painter.drawEllipse(c, r, r);
  } else if (look.symbol == Symbol::kDiamond) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawPolygon(QPolygonF({QPointF(c.x(), box.top()), QPointF(box.right(), c.y()),
                                   QPointF(c.x(), box.bottom()), QPointF(box.left(), c.y())}));
    painter.setBrush(Qt::NoBrush);
  } else {
    painter.drawLines(LinesOf(look.symbol, box));
  }
}

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
  PaintSymbol(painter, inner, shape.symbol);
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
