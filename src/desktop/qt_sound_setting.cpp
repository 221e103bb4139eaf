// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/qt_sound_setting.h"

#include <QSettings>
#include <QString>
#include <cstdio>

namespace quibbet {

namespace {

QSettings Settings() {
  return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("quibbet"),
                   QStringLiteral("quibbet"));
}

const QString kKey = QStringLiteral("sound");

}  // namespace

std::optional<bool> QtSoundSetting::Read() {
  const QSettings settings = Settings();
  const QVariant value = settings.value(kKey);
  // Anything but a plain true or false is no choice: sound stays on.
  if (value.toString() == QStringLiteral("true") || value.toString() == QStringLiteral("false")) {
    return value.toBool();
  }
  return std::nullopt;
}

void QtSoundSetting::Write(bool on) {
  QSettings settings = Settings();
  settings.setValue(kKey, on);
  settings.sync();
  if (settings.status() != QSettings::NoError) {
    std::fprintf(stderr, "quibbet: cannot keep the sound setting in %s; it lasts for this run\n",
                 settings.fileName().toLocal8Bit().constData());
  }
}

}  // namespace quibbet
