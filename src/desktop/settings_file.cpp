// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/settings_file.h"

#include <cstdio>

namespace quibbet {

namespace {

QSettings Settings() {
  return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("quibbet"),
                   QStringLiteral("quibbet"));
}

}  // namespace

QVariant ReadSetting(const QString& key) {
  return Settings().value(key);
}

void WriteSetting(const QString& key, const QVariant& value) {
  QSettings settings = Settings();
  settings.setValue(key, value);
  settings.sync();
  if (settings.status() != QSettings::NoError) {
    std::fprintf(stderr, "quibbet: cannot keep the %s setting in %s; it lasts for this run\n",
                 key.toLocal8Bit().constData(), settings.fileName().toLocal8Bit().constData());
  }
}

}  // namespace quibbet
