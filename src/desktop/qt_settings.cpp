// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/qt_settings.h"

#include <QSettings>
#include <QString>
#include <cstdio>

#include "desktop/qt_convert.h"

namespace quibbet {

namespace {

QSettings Kept() {
  return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("quibbet"),
                   QStringLiteral("quibbet"));
}

}  // namespace

std::optional<bool> QtSettings::Read(std::string_view key) {
  const QSettings settings = Kept();
  const QVariant value = settings.value(ToQString(key));
  // Anything but a plain true or false is no choice: the default holds.
  if (value.toString() == QStringLiteral("true") || value.toString() == QStringLiteral("false")) {
    return value.toBool();
  }
  return std::nullopt;
}

void QtSettings::Write(std::string_view key, bool on) {
  QSettings settings = Kept();
  settings.setValue(ToQString(key), on);
  settings.sync();
  if (settings.status() != QSettings::NoError) {
    std::fprintf(stderr, "quibbet: cannot keep the %.*s setting in %s; it lasts for this run\n",
                 static_cast<int>(key.size()), key.data(),
                 settings.fileName().toLocal8Bit().constData());
  }
}

}  // namespace quibbet
