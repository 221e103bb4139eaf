// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>

#include "common/controls.h"

// The designs name Windows fonts; this picks the nearest free faces and sizes them in pixels, so
// text keeps its designed size whatever the screen's dots per inch.

namespace quibbet {

QFont ToQFont(const Font& font);

}  // namespace quibbet
