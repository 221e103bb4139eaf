// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/game_button.h"

#include <QPainter>
#include <QPen>

namespace quibbet {

namespace {

// The classic raised edge: light above and left, dark below and right, two pixels deep.
struct Edge {
  QColor outerLight;
  QColor innerLight;
  QColor innerDark;
  QColor outerDark;
};

constexpr int kEdgeWidth = 2;
// The focus rectangle runs this far inside the edge, clear of it and of the caption.
constexpr int kFocusInset = 2;

const Edge kRaised{Qt::white, QColor(0xdf, 0xdf, 0xdf), QColor(0x80, 0x80, 0x80), Qt::black};
const Edge kSunken{Qt::black, QColor(0x80, 0x80, 0x80), QColor(0xdf, 0xdf, 0xdf), Qt::white};

// Paints one ring of the edge around the inside of outer.
void PaintRing(QPainter& painter, const QRect& outer, const QColor& light, const QColor& dark) {
  painter.fillRect(outer.left(), outer.top(), outer.width(), 1, light);
  painter.fillRect(outer.left(), outer.top(), 1, outer.height(), light);
  painter.fillRect(outer.left(), outer.bottom(), outer.width(), 1, dark);
  painter.fillRect(outer.right(), outer.top(), 1, outer.height(), dark);
}

void PaintEdge(QPainter& painter, const QRect& outer, const Edge& edge) {
  PaintRing(painter, outer, edge.outerLight, edge.outerDark);
  PaintRing(painter, outer.adjusted(1, 1, -1, -1), edge.innerLight, edge.innerDark);
}

}  // namespace

GameButton::GameButton(QWidget& window, std::optional<QColor> face)
    : QPushButton(&window), face_(face) {}

void GameButton::paintEvent(QPaintEvent* event) {
  if (!face_) {
    QPushButton::paintEvent(event);
    return;
  }
  QPainter painter(this);
  const QRect face = rect().adjusted(kEdgeWidth, kEdgeWidth, -kEdgeWidth, -kEdgeWidth);
  painter.fillRect(face, *face_);
  PaintEdge(painter, rect(), isDown() ? kSunken : kRaised);

  // A pressed caption moves down and right with the face, as if pushed in.
  const QRect caption = isDown() ? face.translated(1, 1) : face;
  painter.setFont(font());
  painter.setPen(palette().color(QPalette::ButtonText));
  painter.drawText(caption, Qt::AlignCenter | Qt::TextShowMnemonic, text());

  if (hasFocus()) {
    QPen dotted(palette().color(QPalette::ButtonText), 0, Qt::DotLine);
    painter.setPen(dotted);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(face.adjusted(kFocusInset, kFocusInset, -kFocusInset - 1, -kFocusInset - 1));
  }
}

}  // namespace quibbet
