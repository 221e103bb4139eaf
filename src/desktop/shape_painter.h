// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPainter>

#include "frontend/window_description.h"

// Paints a window's shapes and lines from its description on any painter whose units are
// logical pixels: a window on screen, or an image at any device pixel ratio. Positions stay in
// twips up to the painter, so edges land exactly and stay sharp at every scale.

namespace quibbet {

void PaintShapes(QPainter& painter, const WindowDescription& description);

}  // namespace quibbet
