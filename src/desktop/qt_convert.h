// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QString>
#include <string_view>

#include "common/colour.h"

// The rules' texts (UTF-8) and colours (&H00BBGGRR) as Qt holds them. Every text and colour
// crosses here.

namespace quibbet {

inline QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QColor ToQColor(Colour colour) {
  return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

}  // namespace quibbet
