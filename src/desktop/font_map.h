// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>

#include "frontend/window_description.h"

// The desktop's one font table: the free face that stands in for each of the design's faces,
// sized in pixels, so text keeps its designed size whatever the screen's dots per inch, times the
// scale of the window's twips map.

namespace quibbet {

QFont ToQFont(const TextStyle& style, qreal scale = 1.0);

}  // namespace quibbet
