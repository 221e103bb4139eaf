// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/qt_settings.h"

#include "desktop/qt_convert.h"
#include "desktop/settings_file.h"

namespace quibbet {

std::optional<bool> QtSettings::Read(std::string_view key) {
  const QVariant value = ReadSetting(ToQString(key));
  // Anything but a plain true or false is no choice: the default holds.
  if (value.toString() == QStringLiteral("true") || value.toString() == QStringLiteral("false")) {
    return value.toBool();
  }
  return std::nullopt;
}

void QtSettings::Write(std::string_view key, bool on) {
  WriteSetting(ToQString(key), on);
}

}  // namespace quibbet
