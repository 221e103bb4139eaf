// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPainter>
#include <QPointF>
#include <QRect>
#include <QRectF>

#include "common/twips.h"

// The one map between the designs' twips and the desktop's logical pixels, 15 twips to the
// pixel at 96 dots per inch; the screen's own scale comes on top of it.

namespace quibbet {

// Rounded to whole pixels, as widgets are placed.
QRect ToPixels(Twips left, Twips top, Twips width, Twips height);
// Exact, as shapes are painted.
QRectF ToExactPixels(Twips left, Twips top, Twips width, Twips height);
QPointF ToTwips(QPointF pixels);
qreal ToTwips(qreal pixels);
// Turns the painter's units from logical pixels into twips, so painted edges land exactly.
void ScaleToTwips(QPainter& painter);

}  // namespace quibbet
