// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/font_map.h"

#include <cmath>

namespace quibbet {

namespace {

// Points are 1/72 inch; the designs were laid out at 96 pixels per inch.
constexpr double kPixelsPerPoint = 96.0 / 72.0;

// Liberation Sans matches MS Sans Serif's metrics closely; URW Gothic is a geometric sans whose
// Demi cut carries the heavy display captions; URW Bookman is a Bookman revival.
QString FreeFace(FontRole role) {
  switch (role) {
    case FontRole::kSansSerif:
      return QStringLiteral("Liberation Sans");
    case FontRole::kDisplay:
      return QStringLiteral("URW Gothic");
    case FontRole::kBookman:
      return QStringLiteral("URW Bookman");
  }
  return {};
}

}  // namespace

QFont ToQFont(const TextStyle& style, qreal scale) {
  QFont result(FreeFace(style.role));
  result.setPixelSize(static_cast<int>(std::lround(style.points * kPixelsPerPoint * scale)));
  // Qt's weights are on the same 1-1000 scale as the designs' (400 normal, 700 bold).
  result.setWeight(static_cast<QFont::Weight>(style.weight));
  result.setItalic(style.italic);
  // The designed display face has capitals alone; its stand-in reads as such only in small
  // capitals, where an i can no longer pass for an l.
  if (style.role == FontRole::kDisplay) {
    result.setCapitalization(QFont::SmallCaps);
  }
  return result;
}

}  // namespace quibbet
